#include "client/baresip/baresip_automation.h"
#include "client/baresip/baresip_session.h"
#include "client/baresip/tcp_control_socket.h"
#include "client/link_error.h"
#include "fakes/error_number.h"
#include "fakes/memory_control_socket.h"
#include "fakes/scripted_baresip.h"

#include <QDate>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

BaresipTimeouts fast() {
    return {.connectMs = 200, .commandMs = 200, .callSetupMs = 300};
}

// What one automation object raised.
struct Raised {
    std::vector<int> attachment;
    std::vector<std::pair<SkypeCallPtr, int>> calls;
    std::vector<int> callStatuses() const {
        std::vector<int> all;
        for (const auto& [call, status] : calls)
            all.push_back(status);
        return all;
    }
};

struct Link {
    MemoryControlSocket* socket;
    ScriptedBaresip peer;
    std::shared_ptr<BaresipSession> session;

    Link() : Link(std::make_unique<MemoryControlSocket>()) {}
    explicit Link(std::unique_ptr<MemoryControlSocket> memory)
        : socket(memory.get()), peer(*memory),
          session(std::make_shared<BaresipSession>(std::move(memory), "127.0.0.1", 4444, fast())) {}

    std::unique_ptr<BaresipAutomation> object(Raised& raised) {
        auto automation = std::make_unique<BaresipAutomation>(session);
        QObject::connect(automation.get(), &Automation::AttachmentStatus,
                         [&raised](int status) { raised.attachment.push_back(status); });
        QObject::connect(automation.get(), &Automation::CallStatus,
                         [&raised](SkypeCallPtr call, int status) {
                             raised.calls.emplace_back(std::move(call), status);
                         });
        return automation;
    }
    // The commands sent since `from`, with their parameters.
    QStringList sentSince(size_t from) const {
        QStringList sent;
        for (size_t i = from; i < socket->commands.size(); ++i)
            sent << (socket->commands[i].name + ' ' + socket->commands[i].params).trimmed();
        return sent;
    }
};

void settle(int ms = 20) {
    QTest::qWait(ms);
}

// An attached object and a ringing call from `caller` that it raised.
struct Ringing {
    Raised raised;
    std::unique_ptr<BaresipAutomation> object;
    QString id;
    SkypeCallPtr call;
};

void ring(Link& link, Ringing& r, const QString& caller) {
    if (!r.object) {
        r.object = link.object(r.raised);
        r.object->attach(5, true);
    }
    const size_t before = r.raised.calls.size();
    r.id = link.peer.ring(caller);
    settle();
    ASSERT_EQ(r.raised.calls.size(), before + 1);
    r.call = r.raised.calls.back().first;
}

} // namespace

// Each row: the peer, then the attach command's outcome (isRunning, the error
// thrown, the statuses raised) and a try's that waits for nothing (only the
// statuses, which follow from the event loop): baresip not there, whatever the
// reason, is status 3; only an answer that turns Pellorin away is a refusal.
TEST(BaresipSession, AttachOutcomes) {
    struct Case {
        const char* name;
        bool listening;
        bool unreachable;
        bool stalled;
        std::optional<CtrlProtocol::Response> probe; // nothing: never answered
        int running;                                 // 1 true, 0 false, else the error thrown
        int thrown;
        std::vector<int> raised;
        std::vector<int> raisedWithoutWait;
    };
    const CtrlProtocol::Response refusal{false, "command not found", ""};
    const Case cases[] = {
        {"answers", true, false, false, CtrlProtocol::Response{true, "", ""}, 1, 0, {0}, {0}},
        {"nothing listens", false, false, false, std::nullopt, 0, LinkError::NotRunning, {3}, {3}},
        {"host unreachable", true, true, false, std::nullopt, LinkError::Failed, LinkError::Failed,
         {}, {3}},
        {"never connects", true, false, true, std::nullopt, LinkError::Timeout, LinkError::Timeout,
         {}, {3}},
        {"no menu module", true, false, false, refusal, 1, LinkError::Failed, {}, {2}},
        {"no answer", true, false, false, std::nullopt, 1, LinkError::Timeout, {}, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool wait : {true, false}) {
            Link link;
            link.socket->listening = c.listening;
            link.socket->unreachable = c.unreachable;
            link.socket->stalled = c.stalled;
            link.socket->respond = [&](const MemoryControlSocket::Command&) { return c.probe; };
            Raised raised;
            auto object = link.object(raised);
            if (wait) {
                int running = 0;
                const int runningError =
                    errorNumber([&] { running = object->client().isRunning(); });
                EXPECT_EQ(runningError ? runningError : running, c.running);
                EXPECT_EQ(errorNumber([&] { object->attach(5, true); }), c.thrown);
                settle();
                EXPECT_EQ(raised.attachment, c.raised);
            } else {
                object->attach(5, false);
                object->attach(5, false); // joins the first: one question
                EXPECT_TRUE(raised.attachment.empty()); // nothing from inside the call
                EXPECT_TRUE(QTest::qWaitFor([&] { return !raised.attachment.empty(); }, 1000));
                settle(300);
                EXPECT_EQ(raised.attachment, c.raisedWithoutWait);
                EXPECT_LE(link.socket->commands.size(), 1u);
            }
        }
    }
}

TEST(BaresipSession, ContactsAreUsersWithTheirDisplayNames) {
    Link link;
    link.peer.contacts = {{"Alice A", "sip:alice@example.org:5070"},
                          {"", "sip:bob@example.org;transport=tcp"}};
    Raised raised;
    auto reader = link.object(raised);
    const QList<SkypeUserPtr> users = reader->friends(); // connects without attaching
    ASSERT_EQ(users.size(), 2);
    EXPECT_EQ(users[0]->handle(), "alice@example.org:5070");
    EXPECT_EQ(users[1]->handle(), "bob@example.org");
    EXPECT_EQ(users[0]->property("FullName").toString(), "Alice A");
    EXPECT_EQ(users[0]->property("DisplayName").toString(), "Alice A");
    EXPECT_EQ(users[0]->property("City").toString(), "");
    EXPECT_EQ(users[0]->property("Sex").toInt(), -1);
    EXPECT_TRUE(users[0]->property("Birthday").toDate().isNull());
    EXPECT_EQ(errorNumber([&] { users[0]->property("Mood"); }), LinkError::BadArgument);
    // A user by handle looks the name up; a handle that is no contact has none.
    EXPECT_EQ(reader->user("alice@example.org:5070")->property("FullName").toString(), "Alice A");
    EXPECT_EQ(reader->user("carol@example.org")->property("FullName").toString(), "");

    // Without the contact module there are no contacts (and no failure).
    link.peer.overrides =
        [](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name == "contacts")
            return CtrlProtocol::Response{false, "command not found (contacts)\n", ""};
        return std::nullopt;
    };
    EXPECT_TRUE(reader->friends().isEmpty());
    settle();
    EXPECT_TRUE(raised.attachment.empty());
}

TEST(BaresipSession, OnlyObjectsThatAttachedRaiseCallEvents) {
    Link link;
    Raised readerRaised, mainRaised, laterRaised;
    auto reader = link.object(readerRaised);
    reader->friends(); // a list window reads contacts first: it connects
    auto main = link.object(mainRaised);
    main->attach(5, true);
    auto later = link.object(laterRaised); // made after, never attached
    later->friends();

    const QString id = link.peer.ring("\"Alice\" <sip:alice@example.org:5070;transport=udp>");
    settle();
    link.socket->sendEvent("CALL_ESTABLISHED", id);
    link.socket->sendEvent("CALL_CLOSED", id);
    settle();
    EXPECT_EQ(mainRaised.attachment, std::vector<int>{AttachStatus::Success});
    EXPECT_EQ(mainRaised.callStatuses(), (std::vector<int>{4, 5, 7}));
    EXPECT_EQ(mainRaised.calls.front().first->partnerHandle(), "alice@example.org:5070");
    EXPECT_EQ(mainRaised.calls.front().first, mainRaised.calls.back().first); // one object
    EXPECT_TRUE(readerRaised.attachment.empty() && readerRaised.calls.empty());
    EXPECT_TRUE(laterRaised.attachment.empty() && laterRaised.calls.empty());
}

TEST(BaresipSession, StatusesComeFromWhatWasSeen) {
    struct Case {
        std::vector<const char*> events; // after CALL_INCOMING
        int status;
    };
    const Case cases[] = {
        {{}, CallStatusCode::Ringing},
        {{"CALL_ESTABLISHED"}, CallStatusCode::InProgress},
        {{"CALL_ESTABLISHED", "CALL_CLOSED"}, BaresipCallStatus::Finished},
        {{"CALL_CLOSED"}, BaresipCallStatus::Missed},
        {{"CALL_RTCP", "SOMETHING_NEW"}, CallStatusCode::Ringing}, // ignored
    };
    for (const Case& c : cases) {
        Link link;
        Ringing r;
        ring(link, r, "sip:alice@example.org");
        for (const char* type : c.events)
            link.socket->sendEvent(type, r.id);
        // Read at once, as after the handler's pause: what arrived counts.
        EXPECT_EQ(r.call->status(), c.status);
    }
}

TEST(BaresipSession, AnswerSelectsTheCallAndTakesNoVideoOut) {
    Link link;
    Ringing r;
    ring(link, r, "sip:alice@example.org");
    const size_t from = link.socket->commands.size();
    r.call->answer();
    EXPECT_EQ(link.sentSince(from), (QStringList{"uafind sip:bob@example.org", "callfind " + r.id,
                                                 "accept", "uafind sip:bob@example.org",
                                                 "callfind " + r.id, "video_dir recvonly"}));
    ASSERT_TRUE(link.peer.call(r.id));
    EXPECT_TRUE(link.peer.call(r.id)->established);
    EXPECT_EQ(link.peer.call(r.id)->videoDir, "recvonly");
    EXPECT_EQ(r.call->status(), CallStatusCode::InProgress);

    // Starting video lets it go both ways; answering again does nothing.
    r.call->startVideoSend();
    EXPECT_EQ(link.peer.call(r.id)->videoDir, "sendrecv");
    const size_t after = link.socket->commands.size();
    r.call->answer();
    EXPECT_EQ(link.socket->commands.size(), after);
}

TEST(BaresipSession, TwoCallsRingingEachIsAnsweredItself) {
    Link link;
    Ringing first;
    ring(link, first, "sip:alice@example.org");
    const QString secondId = link.peer.ring("sip:carol@example.org"); // now the current call
    settle();
    const SkypeCallPtr secondCall = first.raised.calls.back().first;
    ASSERT_EQ(secondCall->partnerHandle(), "carol@example.org");

    first.call->answer(); // the first try only marks the other call held
    EXPECT_TRUE(link.peer.call(first.id)->established);
    EXPECT_FALSE(link.peer.call(secondId)->established);
    EXPECT_EQ(secondCall->status(), CallStatusCode::Ringing);

    // Answered later, the held call is taken off hold before its video turns
    // to receive-only.
    secondCall->answer();
    EXPECT_TRUE(link.peer.call(secondId)->established);
    EXPECT_FALSE(link.peer.call(secondId)->onHold);
    EXPECT_EQ(link.peer.call(secondId)->videoDir, "recvonly");
    EXPECT_EQ(link.sentSince(link.socket->commands.size() - 4),
              (QStringList{"resume", "uafind sip:bob@example.org", "callfind " + secondId,
                           "video_dir recvonly"}));
}

TEST(BaresipSession, AnAnswerThatWentToAnotherCallIsReported) {
    Link link;
    Ringing r;
    ring(link, r, "sip:alice@example.org");
    // A call came in between selecting Alice's and answering, and baresip
    // answered that one.
    link.peer.overrides =
        [&](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name != "accept")
            return std::nullopt;
        const QString other = link.peer.ring("sip:mallory@example.org");
        link.socket->sendEvent("CALL_LOCAL_SDP", other, {}, "answer");
        return CtrlProtocol::Response{true, "Answering incoming call\n", ""};
    };
    QString description;
    EXPECT_EQ(errorNumber([&] { r.call->answer(); }, &description), LinkError::Failed);
    EXPECT_TRUE(description.contains("\"mallory@example.org\"")) << description.toStdString();
}

TEST(BaresipSession, CallsThatEndBeforeTheyAreAnswered) {
    for (const bool told : {true, false}) {
        SCOPED_TRACE(told ? "baresip said so" : "baresip forgot the call first");
        Link link;
        Ringing r;
        ring(link, r, "sip:alice@example.org");
        link.peer.ring("sip:carol@example.org"); // another call keeps the call commands
        link.peer.hangUp(r.id, told);
        settle();
        r.call->answer(); // nothing to answer: no failure
        EXPECT_FALSE(link.socket->names().contains("accept"));
        EXPECT_EQ(r.call->status(), told ? BaresipCallStatus::Missed : CallStatusCode::Ringing);
        EXPECT_EQ(errorNumber([&] { r.call->startVideoSend(); }), LinkError::Failed);
    }
}

TEST(BaresipSession, FailuresOfTheCallCommands) {
    struct Case {
        const char* name;
        bool callerAgrees;
        bool video;
        bool answer; // else start video after answering
        int thrown;
    };
    const Case cases[] = {
        {"the call is never established", false, true, true, LinkError::Timeout},
        {"a caller without video: answered", true, false, true, 0},
        {"a caller without video: no video to start", true, false, false, LinkError::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link link;
        link.peer.callerAgrees = c.callerAgrees;
        Raised raised;
        auto object = link.object(raised);
        object->attach(5, true);
        link.peer.ring("sip:alice@example.org", c.video);
        settle();
        const SkypeCallPtr call = raised.calls.back().first;
        if (c.answer) {
            EXPECT_EQ(errorNumber([&] { call->answer(); }), c.thrown);
        } else {
            call->answer();
            EXPECT_EQ(errorNumber([&] { call->startVideoSend(); }), c.thrown);
        }
    }
}

TEST(BaresipSession, ClosingRaisesStatusThreeOnceAndNothingReconnectsButAttaching) {
    Link link;
    Raised mainRaised, readerRaised;
    auto main = link.object(mainRaised);
    auto reader = link.object(readerRaised);
    main->attach(5, true);
    // A call rings while a command waits, and then the connection closes: the
    // held ring is not raised after status 3.
    link.peer.overrides =
        [&](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name == "contacts") {
            link.peer.ring("sip:alice@example.org");
            link.socket->hangUp();
        }
        return std::nullopt;
    };
    reader->friends();
    settle();
    EXPECT_EQ(mainRaised.attachment, (std::vector<int>{0, 3}));
    EXPECT_TRUE(mainRaised.calls.empty());
    EXPECT_TRUE(readerRaised.attachment.empty());

    EXPECT_EQ(errorNumber([&] { reader->friends(); }), LinkError::ClientQuit);
    EXPECT_EQ(link.socket->opened, 1);
    link.peer.ring("sip:alice@example.org"); // nobody listens any more
    settle();
    EXPECT_TRUE(mainRaised.calls.empty());

    main->attach(5, true);
    settle();
    EXPECT_EQ(link.socket->opened, 2);
    EXPECT_EQ(mainRaised.attachment, (std::vector<int>{0, 3, 0}));
}

TEST(BaresipSession, BadInputFromTheSocket) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool closes;      // the stream cannot be read on: the connection goes
        int commandError; // what the next command meets
        const char* said; // in its description
    };
    const QByteArray reply = R"({"response":true,"ok":true,"data":"","token":"x"})";
    const Case cases[] = {
        {"not a netstring", "hello", true, LinkError::ClientQuit, "does not start with its length"},
        {"leading zero", "05:hello,", true, LinkError::ClientQuit,
         "does not start with its length"},
        {"over 1 MiB", "1048577:", true, LinkError::ClientQuit, "longer than 1048576 bytes"},
        {"no comma", "5:hello;", true, LinkError::ClientQuit, "does not end where its length says"},
        {"not JSON", "5:hello,", false, 0, ""},
        {"unknown event", CtrlProtocol::netstring(R"({"event":true,"type":"NEW_THING","id":"7"})"),
         false, 0, ""},
        {"a reply nobody waits for", CtrlProtocol::netstring(reply), false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link link;
        Raised raised;
        auto object = link.object(raised);
        object->attach(5, true);
        link.socket->sendBytes(c.bytes);
        settle();
        EXPECT_EQ(raised.attachment, (c.closes ? std::vector<int>{0, 3} : std::vector<int>{0}));
        EXPECT_TRUE(raised.calls.empty());
        QString description;
        EXPECT_EQ(errorNumber([&] { object->friends(); }, &description), c.commandError);
        EXPECT_TRUE(description.contains(c.said)) << description.toStdString();
    }
}

TEST(BaresipSession, RepliesThatDoNotComeAreWaitedForABoundedTime) {
    struct Case {
        const char* name;
        QByteArray sentInstead;
        const char* said;
    };
    const Case cases[] = {
        {"silence", "", "did not answer \"contacts\" within 0.2 seconds."},
        {"stalls mid-frame", R"(60:{"response":true,)", "stopped part-way through a message"},
        {"not JSON", "3:{{{,", "It sent \"{{{\", which Pellorin cannot read."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link link;
        Raised raised;
        auto object = link.object(raised);
        object->attach(5, true);
        link.socket->respond = [&](const MemoryControlSocket::Command&) {
            link.socket->sendBytes(c.sentInstead);
            return std::optional<CtrlProtocol::Response>();
        };
        QElapsedTimer timer;
        timer.start();
        QString description;
        EXPECT_EQ(errorNumber([&] { object->friends(); }, &description), LinkError::Timeout);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_TRUE(description.contains(c.said)) << description.toStdString();
        // The program goes on: the next command is answered (a stalled frame
        // swallows what follows it, so that case is left out).
        link.socket->respond = [](const MemoryControlSocket::Command&) {
            return std::optional<CtrlProtocol::Response>(CtrlProtocol::Response{true, "", ""});
        };
        if (!c.sentInstead.startsWith("60:")) {
            EXPECT_EQ(errorNumber([&] { object->friends(); }), 0);
        }
    }
}

TEST(BaresipSession, EventsWaitWhileACommandWaits) {
    Link link;
    Raised raised;
    auto object = link.object(raised);
    object->attach(5, true);
    settle();
    std::vector<int> seenDuringCommand;
    link.peer.overrides =
        [&](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name == "contacts")
            link.peer.ring("sip:alice@example.org"); // arrives before the reply
        return std::nullopt;
    };
    object->friends();
    EXPECT_TRUE(raised.calls.empty());
    settle();
    EXPECT_EQ(raised.callStatuses(), std::vector<int>{CallStatusCode::Ringing});
}

TEST(BaresipSession, AFailedAccountLookupWhileCallsArrive) {
    Link link;
    Ringing r;
    ring(link, r, "sip:alice@example.org");
    // baresip no longer has the account, and a flood of calls comes in before
    // it says so: the table of calls grows (and moves) during the wait.
    link.peer.overrides =
        [&](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name != "uafind")
            return std::nullopt;
        for (int i = 0; i < 300; ++i)
            link.peer.ring(QStringLiteral("sip:caller%1@example.org").arg(i));
        return CtrlProtocol::Response{false, "No such file or directory", ""};
    };
    QString description;
    EXPECT_EQ(errorNumber([&] { r.call->answer(); }, &description), LinkError::Failed);
    EXPECT_TRUE(description.contains("account \"sip:bob@example.org\" that the call from "
                                     "\"alice@example.org\""))
        << description.toStdString();
}

QStringList loggedWhileDestroying;

TEST(BaresipSession, DestroyedWhileConnected) {
    // A real socket: it says the connection closed while it is being destroyed.
    QTcpServer baresip;
    ASSERT_TRUE(baresip.listen(QHostAddress::LocalHost));
    auto session = std::make_shared<BaresipSession>(std::make_unique<TcpControlSocket>(),
                                                    "127.0.0.1", baresip.serverPort(), fast());
    ASSERT_TRUE(session->clientRunning());
    loggedWhileDestroying.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            loggedWhileDestroying << text;
        });
    session.reset(); // the program's exit, attached
    qInstallMessageHandler(before);
    EXPECT_TRUE(loggedWhileDestroying.isEmpty()) << loggedWhileDestroying.join('\n').toStdString();
}

TEST(BaresipSession, CallRecordsAreBounded) {
    // 600 more calls ring and are never closed: only the newest 512 are kept.
    {
        Link link;
        Ringing r;
        ring(link, r, "sip:alice@example.org");
        for (int i = 0; i < 600; ++i)
            link.peer.ring(QStringLiteral("sip:caller%1@example.org").arg(i));
        // One event is raised per turn of the event loop: under load and the
        // sanitizers 600 of them can take longer than any fixed pause.
        EXPECT_TRUE(QTest::qWaitFor([&] { return r.raised.calls.size() >= 601u; }, 10000));
        ASSERT_EQ(r.raised.calls.size(), 601u);
        EXPECT_EQ(r.raised.calls[88].first->status(), CallStatusCode::Unknown);
        EXPECT_EQ(r.raised.calls[89].first->status(), CallStatusCode::Ringing);
        EXPECT_EQ(r.raised.calls[600].first->status(), CallStatusCode::Ringing);
    }
    // The call being answered ends, and 600 more ring and end, while baresip
    // answers: the answer still knows the call, and ends quietly.
    Link link;
    Ringing r;
    ring(link, r, "sip:alice@example.org");
    link.peer.overrides =
        [&](const MemoryControlSocket::Command& command) -> std::optional<CtrlProtocol::Response> {
        if (command.name != "accept")
            return std::nullopt;
        link.peer.hangUp(r.id);
        for (int i = 0; i < 600; ++i)
            link.peer.hangUp(link.peer.ring(QStringLiteral("sip:caller%1@example.org").arg(i)));
        return CtrlProtocol::Response{true, "Answering incoming call\n", ""};
    };
    QString description;
    EXPECT_EQ(errorNumber([&] { r.call->answer(); }, &description), 0) << description.toStdString();
    EXPECT_EQ(r.call->status(), BaresipCallStatus::Missed);
}
