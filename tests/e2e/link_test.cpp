#include "fakes/recorders.h"
#include "client/desktop_api/api_call.h"
#include "answering/attachment.h"
#include "client/desktop_api/dbus_automation.h"
#include "client/desktop_api/dbus_transport.h"
#include "standin_process.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString attached = "Pellorin has successfully attached itself to your Skype client.";
const QString notAttached =
    "Unfortunately, Pellorin could not attached itself to your Skype client.";

LinkTimeouts testTimeouts() {
    return {.attachWaitMs = 4000, .commandMs = 3000, .pendingAfterMs = 200, .handshakeMs = 60000};
}

// An automation object and what it raised.
struct Watched {
    std::unique_ptr<Automation> object;
    std::vector<int> statuses;
    std::vector<std::pair<SkypeCallPtr, int>> calls;

    explicit Watched(AutomationFactory& factory) : object(factory.create()) {
        QObject::connect(object.get(), &Automation::AttachmentStatus,
                         [this](int status) { statuses.push_back(status); });
        QObject::connect(
            object.get(), &Automation::CallStatus,
            [this](SkypeCallPtr call, int status) { calls.emplace_back(call, status); });
    }
};

int errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

class Link : public ::testing::Test {
protected:
    std::unique_ptr<StandInProcess> startStandIn(const QStringList& arguments = {}) {
        auto standIn = std::make_unique<StandInProcess>(arguments);
        EXPECT_TRUE(standIn->start()) << standIn->error().toStdString();
        return standIn;
    }
    // The attach command of the main window, as the user gives it.
    QStringList attachByCommand(RecordingMessageBox& messages) {
        Attachment attachment(factory, messages);
        attachment.mnuAttach_Click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 8000));
        QTest::qWait(100); // nothing more arrives
        return messages.texts();
    }

    DBusAutomationFactory factory{testTimeouts()};
};

} // namespace

TEST_F(Link, AttachWhenTheClientAllows) {
    auto standIn = startStandIn();
    RecordingMessageBox messages;
    EXPECT_EQ(attachByCommand(messages), QStringList{attached});
    EXPECT_EQ(messages.shown[0].style, MsgBoxStyle::Information);
}

TEST_F(Link, AttachWhenTheClientAsksAndTheUserAllowsOrRefuses) {
    for (const auto& [decision, box] : {std::pair{"allow", attached}, {"refuse", notAttached}}) {
        auto standIn = startStandIn({"--authorize", "ask"});
        QTimer::singleShot(800, [&, decision = decision] { standIn->setAuthorization(decision); });
        RecordingMessageBox messages;
        EXPECT_EQ(attachByCommand(messages), QStringList{box}) << decision;
    }
}

TEST_F(Link, AttachWithTheClientAbsent) {
    RecordingMessageBox messages;
    EXPECT_EQ(attachByCommand(messages), QStringList{"Please start your Skype client first."});

    Watched watched(factory);
    EXPECT_EQ(errorOf([&] { watched.object->attach(5, true); }), LinkError::NotRunning);
    QTest::qWait(50);
    EXPECT_EQ(watched.statuses, std::vector<int>{AttachStatus::NotAvailable});
}

TEST_F(Link, ClientQuittingDuringTheWaitIsAnErrorAndAttachingAgainWorks) {
    auto asking = startStandIn({"--authorize", "ask"});
    Watched watched(factory);
    QTimer::singleShot(500, [&] { asking->kill(); });
    QElapsedTimer clock;
    clock.start();
    const int error = errorOf([&] { watched.object->attach(5, true); });
    EXPECT_TRUE(error == LinkError::ClientQuit || error == LinkError::NotRunning) << error;
    EXPECT_LT(clock.elapsed(), 3000);
    QTest::qWait(50);
    ASSERT_FALSE(watched.statuses.empty());
    EXPECT_EQ(watched.statuses.back(), AttachStatus::NotAvailable);

    auto back = startStandIn();
    watched.statuses.clear();
    watched.object->attach(5, true);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !watched.statuses.empty() && watched.statuses.back() == AttachStatus::Success;
    }));
}

TEST_F(Link, ContactsAndAProfile) {
    auto standIn = startStandIn();
    Watched reader(factory); // never attaches, like the list windows' objects
    QStringList handles;
    for (const SkypeUserPtr& user : reader.object->friends())
        handles << user->handle();
    EXPECT_EQ(handles, QStringList({"alice", "Alice", "bobby", "bob", "carol", "dave", "erin",
                                    "frank", "grace", "heidi", "ivan", "judy"}));

    const SkypeUserPtr grace = reader.object->user("grace");
    EXPECT_EQ(grace->property("FullName").toString(), "Grace Whitlow");
    EXPECT_EQ(grace->property("Sex"), QVariant(1));
    EXPECT_EQ(grace->property("Country").toString(), "Ireland");
    EXPECT_EQ(grace->property("Birthday"), QVariant(QDate(1979, 9, 21)));
    EXPECT_GT(grace->property("About").toString().size(), 400);
    EXPECT_EQ(reader.object->user("erin")->property("About").toString(), "Café owner. Ñandú fan.");

    const SkypeUserPtr ivan = reader.object->user("ivan");
    EXPECT_EQ(ivan->property("FullName").toString(), "");
    EXPECT_EQ(ivan->property("Sex"), QVariant(-1));
    EXPECT_TRUE(ivan->property("Birthday").toDate().isNull());
    EXPECT_EQ(ivan->property("Country").toString(), "");
    EXPECT_EQ(errorOf([&] { reader.object->user("nobody")->property("FullName"); }), 26);
    QTest::qWait(50);
    EXPECT_TRUE(reader.statuses.empty());
}

TEST_F(Link, ARingingCallReachesTheProgramAndIsAnswered) {
    auto standIn = startStandIn();
    Watched watched(factory);
    watched.object->attach(5, true);

    const quint32 id = standIn->ring("bob");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watched.calls.empty(); }, 5000));
    const auto& [call, status] = watched.calls.front();
    EXPECT_EQ(status, CallStatusCode::Ringing);
    EXPECT_EQ(std::static_pointer_cast<ApiCall>(call)->id(), id);
    EXPECT_EQ(call->partnerHandle(), "bob");
    call->answer();
    EXPECT_EQ(call->status(), CallStatusCode::InProgress);
    call->startVideoSend();
    standIn->hangup(id);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watched.calls.size() >= 3; }, 5000));
    EXPECT_EQ(watched.calls[1].second, CallStatusCode::InProgress);
    EXPECT_EQ(watched.calls[2].second, 7); // FINISHED

    // Everything said about the call, in order, with rising timestamps.
    const QStringList expected{"-> CALL %1 STATUS RINGING",
                               "<- #\\d+ GET CALL %1 PARTNER_HANDLE",
                               "-> #\\d+ CALL %1 PARTNER_HANDLE bob",
                               "<- #\\d+ ALTER CALL %1 ANSWER",
                               "-> CALL %1 STATUS INPROGRESS",
                               "-> #\\d+ ALTER CALL %1 ANSWER",
                               "<- #\\d+ GET CALL %1 STATUS",
                               "-> #\\d+ CALL %1 STATUS INPROGRESS",
                               "<- #\\d+ ALTER CALL %1 START_VIDEO_SEND",
                               "-> #\\d+ ALTER CALL %1 START_VIDEO_SEND",
                               "-> CALL %1 STATUS FINISHED"};
    const QStringList history = standIn->history(id);
    ASSERT_EQ(history.size(), expected.size()) << history.join('\n').toStdString();
    qint64 previous = -1;
    for (qsizetype i = 0; i < history.size(); ++i) {
        const QRegularExpression line(QStringLiteral("^(\\d+) ") + expected[i].arg(id) + '$');
        const auto match = line.match(history[i]);
        ASSERT_TRUE(match.hasMatch()) << history[i].toStdString();
        EXPECT_GE(match.captured(1).toLongLong(), previous);
        previous = match.captured(1).toLongLong();
    }
}

TEST_F(Link, AnswerOutcomesAndTheClientQuittingBeforeTheAnswer) {
    auto standIn = startStandIn();
    Watched watched(factory);
    watched.object->attach(5, true);

    standIn->setAnswerOutcome("fail");
    standIn->ring("alice");
    ASSERT_TRUE(QTest::qWaitFor([&] { return watched.calls.size() == 1; }, 5000));
    EXPECT_EQ(errorOf([&] { watched.calls[0].first->answer(); }), 559);

    standIn->setAnswerOutcome("ringing");
    standIn->ring("Alice");
    ASSERT_TRUE(QTest::qWaitFor([&] { return watched.calls.size() == 2; }, 5000));
    watched.calls[1].first->answer();
    EXPECT_EQ(watched.calls[1].first->status(), CallStatusCode::Ringing);
    EXPECT_EQ(errorOf([&] { watched.calls[1].first->startVideoSend(); }), 559);

    standIn->setAnswerOutcome("inprogress");
    standIn->ring("carol");
    ASSERT_TRUE(QTest::qWaitFor([&] { return watched.calls.size() == 3; }, 5000));
    standIn->kill();
    QElapsedTimer clock;
    clock.start();
    const int error = errorOf([&] { watched.calls[2].first->answer(); });
    EXPECT_TRUE(error == LinkError::ClientQuit || error == LinkError::NotRunning) << error;
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(Link, NotificationsFromAnyoneButTheClientAreIgnored) {
    auto standIn = startStandIn();
    DBusTransport transport;
    QSignalSpy received(&transport, &ApiTransport::notification);
    bool attached = false;
    transport.send("NAME test", 3000,
                   [&](const ApiTransport::Reply& r) { attached = r.text == "OK"; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return attached; }, 5000));

    // The test's own connection pretends to be the client.
    QDBusMessage forged = QDBusMessage::createMethodCall(transport.busName(), "/com/Skype/Client",
                                                         "com.Skype.API.Client", "Notify");
    forged << QStringLiteral("CALL 99 STATUS RINGING");
    QDBusConnection::sessionBus().send(forged);
    QTest::qWait(100);
    EXPECT_EQ(received.count(), 0);

    const quint32 id = standIn->ring("judy");
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
    EXPECT_EQ(received[0][0].toString(), QStringLiteral("CALL %1 STATUS RINGING").arg(id));
}

TEST(StandInCommandLine, BadArgumentsAndContactFilesEndWithStatus2) {
    QTemporaryFile broken;
    ASSERT_TRUE(broken.open());
    broken.write("[bob]\nFULLNAME=Bob\nSEX=sometimes\n");
    broken.close();
    const QStringList cases[] = {
        {"--bogus"},
        {"--authorize", "maybe"},
        {"--authorize"},
        {"--contacts", "/nonexistent/contacts.txt"},
        {"--contacts", broken.fileName()},
    };
    for (const QStringList& arguments : cases) {
        QProcess process;
        process.start(StandInProcess::program(), QStringList(arguments) << "--no-window");
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().startsWith("pellorin-standin: "));
    }
}
