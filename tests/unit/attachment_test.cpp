#include "answering/attachment.h"
#include "client/baresip/baresip_automation_factory.h"
#include "client/link_events.h"
#include "fakes/fake_client.h"
#include "fakes/memory_control_socket.h"
#include "fakes/recorders.h"
#include "platform/error_report.h"
#include "platform/message_box.h"
#include "platform/one_box_at_a_time.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstdint>

namespace {

const QString kStartClient = QStringLiteral("Please start your Skype client first.");
const QString kAttached =
    QStringLiteral("Pellorin has successfully attached itself to your Skype client.");
const QString kRefused =
    QStringLiteral("Unfortunately, Pellorin could not attached itself to your Skype client.");

struct AttachFixture : ::testing::Test {
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    ErrorReport errors{boxes};
    Attachment attachment{factory, boxes};

    // The attach command as the menu runs it: failures go to the run-time box.
    void attachCommand() {
        runHandler(errors, [this] { attachment.mnuAttach_Click(); });
    }
};

TEST_F(AttachFixture, NoObjectUntilTheFirstAttachCommand) {
    EXPECT_EQ(attachment.oSkype(), nullptr);
    EXPECT_TRUE(client.log.empty());
}

TEST_F(AttachFixture, ClientNotRunningShowsOnlyTheStartMessage) {
    client.running = false;
    attachCommand();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (RecordingMessageBox::Shown{kStartClient, 64, "Pellorin"}));
    EXPECT_EQ(client.count("attach 5 1"), 0);
    EXPECT_NE(attachment.oSkype(), nullptr); // keeps the new, unattached object
}

// Each row: the statuses the client raises on the successive attach requests,
// the attach requests expected, and the boxes expected.
struct OutcomeRow {
    const char* name;
    std::deque<std::vector<int>> outcomes;
    int attachRequests;
    std::vector<RecordingMessageBox::Shown> boxes;
};

class AttachOutcomes : public AttachFixture, public ::testing::WithParamInterface<OutcomeRow> {};

TEST_P(AttachOutcomes, ReportsTheOutcome) {
    client.attachOutcomes = GetParam().outcomes;
    attachCommand();
    EXPECT_EQ(client.count("attach 5 1"), GetParam().attachRequests);
    EXPECT_EQ(boxes.shown, GetParam().boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, AttachOutcomes,
    ::testing::Values(OutcomeRow{"attached", {{0}}, 1, {{kAttached, 64, "Pellorin"}}},
                      OutcomeRow{
                          "pendingThenAttached", {{1}, {0}}, 2, {{kAttached, 64, "Pellorin"}}},
                      OutcomeRow{"refused", {{2}}, 1, {{kRefused, 48, "Pellorin"}}},
                      OutcomeRow{"pendingThenRefused", {{1}, {2}}, 2, {{kRefused, 48, "Pellorin"}}},
                      OutcomeRow{"otherStatusesSilent", {{3, 4, -1, 7, 0x7fffffff}}, 1, {}},
                      OutcomeRow{"noStatusAtAll", {}, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AttachStatusHandler, FailingRepeatedAttachShowsTheErrorBoxTitledWithItsNumber) {
    for (int number : {68, -2147467259, 0}) {
        FakeClient client;
        FakeAutomationFactory factory{client};
        RecordingMessageBox boxes;
        Attachment attachment{factory, boxes};
        client.attachOutcomes = {{1}};
        client.failOn("attach", RunTimeError(number, "Access denied by the client"), 1, 1);
        attachment.mnuAttach_Click(); // the status handler traps the failure itself
        EXPECT_EQ(client.count("attach 5 1"), 1);
        EXPECT_EQ(client.count("FAILED attach 5 1"), 1);
        ASSERT_EQ(boxes.shown.size(), 1u) << number;
        EXPECT_EQ(boxes.shown[0], (RecordingMessageBox::Shown{
                                      "An error has occured: \r\n\r\nAccess denied by the client",
                                      48, QString::number(number)}));
        EXPECT_EQ(attachment.oSkype(), client.created.back().data());
    }
}

TEST_F(AttachFixture, FailingAttachCommandIsReportedAndTheProgramGoesOn) {
    client.failOn("isRunning", RunTimeError(429, "ActiveX component can't create object"), 1);
    attachCommand();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(
        boxes.shown[0],
        (RecordingMessageBox::Shown{
            "Run-time error '429':\r\n\r\nActiveX component can't create object", 48, "Pellorin"}));
    // The next command works.
    client.attachOutcomes = {{0}};
    attachCommand();
    EXPECT_EQ(boxes.shown.back().text, kAttached);
}

TEST_F(AttachFixture, CreateFailureKeepsThePreviousObject) {
    attachCommand();
    Automation* first = attachment.oSkype();
    client.failOn("create", RunTimeError(429, "no library"), 1);
    attachCommand();
    EXPECT_EQ(attachment.oSkype(), first);
    EXPECT_EQ(boxes.shown.back().title, "Pellorin");
}

TEST_F(AttachFixture, ASecondAttachReplacesTheFirstObjectAndItsEvents) {
    int callEvents = 0;
    QObject::connect(&attachment, &Attachment::callStatus,
                     [&](SkypeCallPtr, int) { ++callEvents; });
    attachCommand();
    QPointer<FakeAutomation> first = client.created.back();
    attachCommand();
    QPointer<FakeAutomation> second = client.created.back();
    ASSERT_NE(first, second);
    EXPECT_EQ(attachment.oSkype(), second.data());

    boxes.shown.clear();
    if (first) {
        first->raiseAttachmentStatus(0);
        first->raiseCallStatus(client.makeCall("bob"), 4);
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(callEvents, 0);

    second->raiseCallStatus(client.makeCall("bob"), 4);
    EXPECT_EQ(callEvents, 1);
}

// Left to itself: short waits stand for the 2 s between tries and the 30 s
// after a refusal.
struct AutoAttachFixture : AttachFixture {
    static constexpr Attachment::AutoAttachTimes Times{.retryMs = 150, .afterRefusalMs = 600};
    int attachRequests() const { return client.count("attach 5 0"); }
};

TEST_F(AutoAttachFixture, WaitsForTheClientThenAttachesWithoutBoxes) {
    client.running = false;
    attachment.startAutoAttach(Times);
    QTest::qWait(400);
    const int whileAway = attachRequests();
    EXPECT_GE(whileAway, 2); // it keeps asking, and each try is told nobody is there
    EXPECT_TRUE(boxes.shown.empty());

    client.running = true;
    client.attachOutcomes = {{0}};
    EXPECT_TRUE(QTest::qWaitFor([&] { return attachRequests() == whileAway + 1; }, 1000));
    EXPECT_TRUE(boxes.shown.empty()); // the state says it: nobody may be there to close a box
    QTest::qWait(200); // attached: no more tries
    EXPECT_EQ(attachRequests(), whileAway + 1);
}

TEST_F(AutoAttachFixture, ARefusalIsShownOnceAndAskedAgainOnlyAfterItsPause) {
    client.attachOutcomes = {{2}, {2}, {0}};
    attachment.startAutoAttach(Times);
    ASSERT_EQ(attachRequests(), 1);
    client.created.back()->raiseClientAvailable(); // that does not shorten the pause
    QTest::qWait(300);
    EXPECT_EQ(attachRequests(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return attachRequests() == 2; }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return attachRequests() == 3; }, 1500));
    EXPECT_EQ(boxes.shown, (std::vector<RecordingMessageBox::Shown>{{kRefused, 48, "Pellorin"}}));
}

// Turned on again with shorter times (the tests' and the soak's), a pause after a
// refusal lasts no longer than they give it.
TEST_F(AutoAttachFixture, ThePauseAfterARefusalFollowsTheTimesGiven) {
    client.attachOutcomes = {{2}, {0}};
    attachment.startAutoAttach({.retryMs = 150, .afterRefusalMs = 60000});
    ASSERT_EQ(attachRequests(), 1);
    attachment.startAutoAttach(Times);
    EXPECT_TRUE(QTest::qWaitFor([&] { return attachRequests() == 2; }, 1500));
}

// Switched to another client and back while the refusal box is open: no second
// box on top of it; once it is closed, the next client's refusal has its own.
TEST_F(AutoAttachFixture, OneRefusalBoxAtATime) {
    boxes.keepOpen = true;
    client.attachOutcomes = {{2}, {2}, {2}};
    attachment.startAutoAttach(Times);
    attachment.clientChanged();
    EXPECT_EQ(boxes.shown.size(), 1u);
    boxes.closeAll();
    attachment.clientChanged();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.mostOpen, 1);
}

// Attach Automatically turned off while attached, the attachment ending while it
// is off, and turned on again: it attaches again by itself. Turned on while
// attached (by hand or by itself before): no second try, no second box.
TEST_F(AutoAttachFixture, TurnedOnAgainAttachesWhenTheAttachmentEndedMeanwhile) {
    client.attachOutcomes = {{0}, {0}};
    attachment.startAutoAttach(Times);
    ASSERT_EQ(attachRequests(), 1);
    attachment.stopAutoAttach();
    attachment.startAutoAttach(Times);
    EXPECT_EQ(attachRequests(), 1);
    attachment.stopAutoAttach();
    client.created.back()->raiseAttachmentStatus(AttachStatus::NotAvailable); // the client quit
    attachment.startAutoAttach(Times);
    EXPECT_TRUE(QTest::qWaitFor([&] { return attachRequests() == 2; }, 1000));
    EXPECT_TRUE(attachment.state().attached());
}

TEST_F(AutoAttachFixture, TurnedOnAfterTheAttachCommandShowsNoSecondBox) {
    client.attachOutcomes = {{0}, {0}};
    attachCommand();
    attachment.startAutoAttach(Times);
    QTest::qWait(300);
    EXPECT_EQ(attachRequests(), 0);
    EXPECT_EQ(boxes.shown, (std::vector<RecordingMessageBox::Shown>{{kAttached, 64, "Pellorin"}}));
}

// The state in words, from what the client answered: each row sets the fake
// client up, does something, and reads the status bar's text.
TEST_F(AutoAttachFixture, TheStateInWords) {
    struct Row {
        const char* name;
        std::function<void()> act;
        QString text;
    };
    const Row rows[] = {
        {"off", [] {}, "Not attached"},
        {"trying",
         [&] { attachment.startAutoAttach(Times); },
         "Attaching to Skype..."},
        {"attached",
         [&] {
             client.attachOutcomes = {{0}};
             attachment.startAutoAttach(Times);
         },
         "Attached to Skype"},
        {"not running",
         [&] {
             client.running = false;
             attachment.startAutoAttach(Times);
         },
         "Not attached: Skype is not running"},
        {"ended",
         [&] {
             client.attachOutcomes = {{0}};
             attachment.startAutoAttach(Times);
             client.running = false;
             client.created.back()->raiseAttachmentStatus(AttachStatus::NotAvailable);
         },
         "Not attached: Skype is not running"},
        {"refused, asking again",
         [&] {
             client.attachOutcomes = {{2}};
             attachment.startAutoAttach(Times);
         },
         "Not attached: Skype refused; asking again at %1"},
        {"refused the attach command",
         [&] {
             client.attachOutcomes = {{2}};
             attachCommand();
         },
         "Not attached: Skype refused"},
        {"attached, then off",
         [&] {
             client.attachOutcomes = {{0}};
             attachment.startAutoAttach(Times);
             attachment.stopAutoAttach();
         },
         "Attached to Skype"},
        {"not running, then off",
         [&] {
             client.running = false;
             attachment.startAutoAttach(Times);
             attachment.stopAutoAttach();
         },
         "Not attached"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        client = FakeClient{};
        attachment.clientChanged(); // a new start
        attachment.stopAutoAttach();
        row.act();
        QTest::qWait(20);
        const QString askingAgainAt =
            QDateTime::currentDateTime().addMSecs(Times.afterRefusalMs - 20).toString("HH:mm");
        EXPECT_EQ(attachStateText(attachment.state(), factory.clientName()),
                  row.text.contains("%1") ? row.text.arg(askingAgainAt) : row.text);
    }
}

// A client that takes the connection and never answers (baresip stopped), left
// for many retry periods, first alone and then while the user's commands wait
// for it too (a list window loading its contacts, again and again): one try at
// a time, none of them waiting, so none nests inside the user's waits, and not
// answering is no refusal.
TEST(AutoAttachHungClient, TriesNeitherWaitNorNestInTheUsersWaits) {
    struct Sent {
        QString name;
        std::uintptr_t stack; // where it was sent from
        int waits;            // inside how many waits for the client
    };
    std::vector<Sent> sent;
    BaresipAutomationFactory factory(
        "127.0.0.1", 4444, {.connectMs = 100, .commandMs = 100, .callSetupMs = 100}, [&] {
            auto socket = std::make_unique<MemoryControlSocket>();
            socket->respond = [&](const MemoryControlSocket::Command& command) {
                const int here = 0;
                sent.push_back({command.name, reinterpret_cast<std::uintptr_t>(&here),
                                LinkEvents::waitDepth()});
                return std::optional<CtrlProtocol::Response>();
            };
            return socket;
        });
    RecordingMessageBox boxes;
    Attachment attachment{factory, boxes};
    attachment.startAutoAttach({.retryMs = 10, .afterRefusalMs = 600});
    QTest::qWait(700);
    const std::unique_ptr<Automation> window = factory.create();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 800)
        EXPECT_THROW(window->friends(), RunTimeError); // each waits its 100 ms

    std::vector<std::uintptr_t> alone;
    int tries = 0;
    int insideUserWaits = 0;
    for (const Sent& s : sent) {
        if (s.name != QLatin1String("listcalls"))
            continue;
        ++tries;
        if (s.waits > 0)
            ++insideUserWaits;
        else if (tries > 1) // the first try ran from the test itself
            alone.push_back(s.stack);
    }
    // Each try's question waits out its 100 ms before the next try asks again
    // 10 ms later: one every 110 ms at the most.
    EXPECT_GE(tries, 5);
    EXPECT_LE(tries, 16);
    EXPECT_GE(insideUserWaits, 2);
    EXPECT_LE(LinkEvents::deepestWait(), 1);
    ASSERT_GE(alone.size(), 2u);
    const auto [low, high] = std::minmax_element(alone.begin(), alone.end());
    EXPECT_LT(*high - *low, 1024u);
    EXPECT_TRUE(boxes.shown.empty());
}

// Boxes that come while one is open wait behind it: the refusal of attaching by
// itself while the user's "saved" box is open, then run-time errors, which the
// one waiting error box counts.
TEST(OneBoxAtATime, TheNextOpensWhenTheOpenOneIsClosed) {
    RecordingMessageBox screen;
    screen.keepOpen = true;
    OneBoxAtATime boxes(screen);
    ErrorReport errors(boxes);
    boxes.show("Your chosen list has been saved successfully.", 64, "Pellorin");
    const auto refusal = boxes.show(kRefused, 48, "Pellorin");
    for (int i = 0; i < 2; ++i)
        runHandler(errors, [] { throw RunTimeError(1003, "no answer"); });
    EXPECT_TRUE(refusal->isOpen());
    EXPECT_EQ(boxes.waiting(), 2);
    for (int open = 1; open <= 3; ++open) {
        EXPECT_EQ(screen.shown.size(), size_t(open));
        screen.closeAll();
    }
    EXPECT_EQ(screen.texts(), (QStringList{"Your chosen list has been saved successfully.", kRefused,
                                           "Run-time error '1003':\r\n\r\nno answer\r\n\r\n1 more "
                                           "failure happened while this box was open; the log lists "
                                           "it."}));
    EXPECT_EQ(screen.mostOpen, 1);
}

TEST(RunHandler, ReportsTheRunTimeErrorAndReturnsFalse) {
    RecordingMessageBox boxes;
    ErrorReport errors(boxes);
    int stepsDone = 0;
    const bool ok = runHandler(errors, [&] {
        ++stepsDone;
        throw RunTimeError(75, "Path/File access error");
        ++stepsDone; // NOLINT: never reached
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(stepsDone, 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (RecordingMessageBox::Shown{"Run-time error '75':\r\n\r\nPath/File access error", 48,
                                          "Pellorin"}));
    EXPECT_TRUE(runHandler(errors, [] {}));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

// Failures while the run-time error box is open: one box, which counts them.
TEST(RunHandler, OneBoxAtATimeCountsTheFailuresWhileItIsOpen) {
    const QString first = "Run-time error '12':\r\n\r\nUnknown call";
    struct Row {
        int failures;    // while the first box stays open
        QString boxText; // what that box says at the end
    };
    const Row rows[] = {
        {1, first},
        {2, first + "\r\n\r\n1 more failure happened while this box was open; the log lists it."},
        {10000, first + "\r\n\r\n9999 more failures happened while this box was open; the log "
                        "lists them."},
    };
    for (const Row& row : rows) {
        RecordingMessageBox boxes;
        boxes.keepOpen = true;
        ErrorReport errors(boxes);
        for (int i = 0; i < row.failures; ++i)
            runHandler(errors, [] { throw RunTimeError(12, "Unknown call"); });
        ASSERT_EQ(boxes.shown.size(), 1u) << row.failures;
        EXPECT_EQ(boxes.shown[0].text, row.boxText);
        EXPECT_EQ(errors.moreFailures(), row.failures - 1);

        // Once the user has closed it, the next failure has a box of its own.
        boxes.closeAll();
        EXPECT_EQ(errors.moreFailures(), 0);
        runHandler(errors, [] { throw RunTimeError(5, "Invalid procedure call"); });
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].text, "Run-time error '5':\r\n\r\nInvalid procedure call");
        EXPECT_EQ(boxes.mostOpen, 1);
    }
}

} // namespace
