#include "client/desktop_api/api_automation.h"
#include "client/desktop_api/api_call.h"
#include "client/desktop_api/api_session.h"
#include "fakes/error_number.h"
#include "fakes/memory_transport.h"

#include <QCursor>
#include <QDate>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

LinkTimeouts fast() {
    return {.attachWaitMs = 400, .commandMs = 200, .pendingAfterMs = 30, .handshakeMs = 5000};
}

// What one automation object raised.
struct Raised {
    std::vector<int> attachment;
    std::vector<std::pair<SkypeCallPtr, int>> calls;
};

struct Link {
    MemoryTransport* transport;
    std::shared_ptr<ApiSession> session;

    explicit Link(LinkTimeouts timeouts = fast()) {
        auto memory = std::make_unique<MemoryTransport>();
        transport = memory.get();
        transport->respond = willingClient();
        session = std::make_shared<ApiSession>(std::move(memory), timeouts);
    }
    std::unique_ptr<ApiAutomation> object(Raised& raised) {
        auto automation = std::make_unique<ApiAutomation>(session);
        QObject::connect(automation.get(), &Automation::AttachmentStatus,
                         [&raised](int status) { raised.attachment.push_back(status); });
        QObject::connect(automation.get(), &Automation::CallStatus,
                         [&raised](SkypeCallPtr call, int status) {
                             raised.calls.emplace_back(std::move(call), status);
                         });
        return automation;
    }
};

void settle(int ms = 20) {
    QTest::qWait(ms);
}

// The client answers NAME only when the test says so.
void holdName(MemoryTransport& transport) {
    transport.respond = [](const QString& body) -> std::optional<QString> {
        if (body.startsWith(QLatin1String("NAME ")))
            return std::nullopt;
        return willingClient()(body);
    };
}

} // namespace

TEST(ApiSession, AttachRaisesItsOutcomeFromTheEventLoop) {
    Link link;
    Raised raised;
    auto object = link.object(raised);
    object->attach(5, false);
    EXPECT_TRUE(raised.attachment.empty()); // not from inside the call
    settle();
    EXPECT_EQ(raised.attachment, std::vector<int>{AttachStatus::Success});
    EXPECT_EQ(link.transport->sentBodies(), QStringList({"NAME Pellorin", "PROTOCOL 5"}));
    EXPECT_EQ(link.session->protocol(), 5);

    // Attaching again while attached says so without asking the client again.
    object->attach(5, true);
    settle();
    EXPECT_EQ(raised.attachment, (std::vector<int>{0, 0}));
    EXPECT_EQ(link.transport->sent.size(), 2);
}

TEST(ApiSession, PendingAuthorisationIsRaisedOnceAndRepeatedAttachJoins) {
    Link link;
    holdName(*link.transport);
    Raised raised;
    auto object = link.object(raised);
    // As the attach command's handler does: on "pending", attach again.
    QObject::connect(object.get(), &Automation::AttachmentStatus, [&](int status) {
        if (status == AttachStatus::PendingAuthorization)
            object->attach(5, true);
    });
    QTimer::singleShot(150, [&] { link.transport->answerHeld("OK"); });
    object->attach(5, true);
    settle();
    EXPECT_EQ(raised.attachment, (std::vector<int>{1, 0}));
    EXPECT_EQ(link.transport->sentBodies().count("NAME Pellorin"), 1);
}

TEST(ApiSession, HandshakeOutcomes) {
    struct Case {
        QString answer;
        int status;
        int thrown; // 0: attach returns normally
    };
    const Case cases[] = {
        {"ERROR 68", AttachStatus::Refused, 0},
        {"ERROR 68 Access denied", AttachStatus::Refused, 0},
        {"ERROR 7 Something else", AttachStatus::Refused, 0},
        {"HELLO", AttachStatus::Refused, 0},
        {"CONNSTATUS OFFLINE", AttachStatus::NotAvailable, LinkError::Offline},
    };
    for (const Case& c : cases) {
        Link link;
        link.transport->respond = willingClient([&](const QString& body) -> std::optional<QString> {
            if (body.startsWith(QLatin1String("NAME ")))
                return c.answer;
            return std::nullopt;
        });
        Raised raised;
        auto object = link.object(raised);
        EXPECT_EQ(errorNumber([&] { object->attach(5, true); }), c.thrown)
            << c.answer.toStdString();
        settle();
        EXPECT_EQ(raised.attachment, std::vector<int>{c.status}) << c.answer.toStdString();
        EXPECT_FALSE(link.transport->sentBodies().contains("PROTOCOL 5"));
    }
}

TEST(ApiSession, AbsentClientRaisesNotAvailableAndSendsNothing) {
    Link link;
    link.transport->present = false;
    Raised raised;
    auto object = link.object(raised);
    EXPECT_FALSE(object->client().isRunning());
    EXPECT_EQ(errorNumber([&] { object->attach(5, true); }), LinkError::NotRunning);
    settle();
    EXPECT_EQ(raised.attachment, std::vector<int>{AttachStatus::NotAvailable});
    EXPECT_TRUE(link.transport->sent.isEmpty());
}

TEST(ApiSession, WaitThatRunsOutIsAnErrorButTheOutcomeStillArrives) {
    Link link;
    holdName(*link.transport);
    Raised raised;
    auto object = link.object(raised);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumber([&] { object->attach(5, true); }), LinkError::Timeout);
    EXPECT_LT(clock.elapsed(), 2000);
    link.transport->answerHeld("OK");
    settle(50);
    EXPECT_EQ(raised.attachment, (std::vector<int>{1, 0}));
}

TEST(ApiSession, ClientQuittingDuringTheWaitIsAnErrorAndAttachingAgainWorks) {
    Link link;
    holdName(*link.transport);
    Raised raised;
    auto object = link.object(raised);
    QTimer::singleShot(80, [&] { link.transport->quit(); });
    EXPECT_EQ(errorNumber([&] { object->attach(5, true); }), LinkError::ClientQuit);
    settle();
    EXPECT_EQ(raised.attachment.back(), AttachStatus::NotAvailable);

    link.transport->respond = willingClient();
    link.transport->start();
    raised.attachment.clear();
    object->attach(5, true);
    settle();
    EXPECT_EQ(raised.attachment, (std::vector<int>{0}));
}

TEST(ApiSession, CommandsAttachImplicitlyWithoutEvents) {
    Link link;
    link.transport->respond = willingClient([](const QString& body) -> std::optional<QString> {
        if (body == QLatin1String("SEARCH FRIENDS"))
            return QStringLiteral("USERS bob, bobby, Bob");
        return std::nullopt;
    });
    Raised raised;
    auto reader = link.object(raised);
    QStringList handles;
    for (const SkypeUserPtr& user : reader->friends())
        handles << user->handle();
    settle();
    EXPECT_EQ(handles, QStringList({"bob", "bobby", "Bob"}));
    EXPECT_EQ(link.transport->sentBodies(),
              QStringList({"NAME Pellorin", "PROTOCOL 5", "SEARCH FRIENDS"}));
    EXPECT_TRUE(raised.attachment.empty());

    Link refused;
    refused.transport->respond = willingClient([](const QString& body) -> std::optional<QString> {
        if (body.startsWith(QLatin1String("NAME ")))
            return QStringLiteral("ERROR 68");
        return std::nullopt;
    });
    Raised none;
    auto other = refused.object(none);
    EXPECT_EQ(errorNumber([&] { other->friends(); }), LinkError::Refused);
    settle();
    EXPECT_TRUE(none.attachment.empty());
}

// A window's own object reads contacts (and so attaches the conversation when it
// must), but only the object that asked to attach raises events, and only until
// its attachment ends.
TEST(ApiSession, OnlyTheObjectThatAttachedRaisesEventsUntilItsAttachmentEnds) {
    const auto refusing = willingClient([](const QString& body) -> std::optional<QString> {
        if (body.startsWith(QLatin1String("NAME ")))
            return QStringLiteral("ERROR 68");
        return std::nullopt;
    });
    struct Row {
        const char* name;
        std::function<void(Link&, Automation& main)> before; // what happened before
        std::vector<int> mainStatuses;                       // what main raised by then
        bool clientRefuses;                                  // when the window reads
        bool mainHearsCalls;
    };
    const Row rows[] = {
        {"neverAttached", [](Link&, Automation&) {}, {}, false, false},
        {"attached",
         [](Link&, Automation& main) { main.attach(5, true); },
         {AttachStatus::Success},
         false,
         true},
        {"clientQuitAndCameBack",
         [](Link& link, Automation& main) {
             main.attach(5, true);
             settle();
             link.transport->quit();
             link.transport->start();
         },
         {AttachStatus::Success, AttachStatus::NotAvailable},
         false,
         false},
        {"refused",
         [&](Link& link, Automation& main) {
             link.transport->respond = refusing;
             main.attach(5, true);
         },
         {AttachStatus::Refused},
         true,
         false},
    };
    for (const Row& row : rows) {
        Link link;
        Raised mainRaised, windowRaised;
        auto main = link.object(mainRaised);
        auto window = link.object(windowRaised);
        row.before(link, *main);
        settle();
        EXPECT_EQ(mainRaised.attachment, row.mainStatuses) << row.name;

        link.transport->respond = row.clientRefuses ? refusing : willingClient();
        EXPECT_EQ(errorNumber([&] { window->friends(); }),
                  row.clientRefuses ? LinkError::Refused : 2)
            << row.name;
        link.transport->notify("CALL 9 STATUS RINGING");
        settle();
        EXPECT_EQ(mainRaised.attachment, row.mainStatuses) << row.name;
        EXPECT_EQ(mainRaised.calls.size(), row.mainHearsCalls ? 1u : 0u) << row.name;
        EXPECT_TRUE(windowRaised.attachment.empty()) << row.name;
        EXPECT_TRUE(windowRaised.calls.empty()) << row.name;
    }
}

// Replies to "GET CALL 3 STATUS" and what status() makes of them.
TEST(ApiSession, CallStatusReplies) {
    struct Case {
        QString reply;
        int status; // when readable
        int error;  // 0: readable
    };
    const Case cases[] = {
        {"CALL 3 STATUS RINGING", 4, 0},
        {"CALL 3 STATUS INPROGRESS", 5, 0},
        {"CALL 3 STATUS SOMETHING_NEW", -1, 0},
        {"CALL 3 STATUS", 0, LinkError::BadReply},
        {"CALL 3 STATUS ringing", 0, LinkError::BadReply},
        {"CALL 4 STATUS RINGING", 0, LinkError::BadReply},
        {"CALL x STATUS RINGING", 0, LinkError::BadReply},
        {"", 0, LinkError::BadReply},
        {QStringLiteral("CALL 3 STATUS ") + QString(1 << 20, QLatin1Char('X')), 0,
         LinkError::BadReply},
        {QString::fromUtf8("CALL 3 STATUS \xff\xfe"), 0, LinkError::BadReply},
        {"ERROR 11 Invalid call id", 0, 11},
        {"ERROR 12", 0, 12},
    };
    for (const Case& c : cases) {
        Link link;
        link.transport->respond = willingClient([&](const QString& body) -> std::optional<QString> {
            if (body.startsWith(QLatin1String("GET CALL")))
                return c.reply;
            return std::nullopt;
        });
        ApiCall call(link.session, 3);
        int status = 0;
        EXPECT_EQ(errorNumber([&] { status = call.status(); }), c.error)
            << c.reply.left(40).toStdString();
        if (c.error == 0) {
            EXPECT_EQ(status, c.status) << c.reply.left(40).toStdString();
        }
    }
}

TEST(ApiSession, CommandFailures) {
    Link link;
    ApiCall call(link.session, 3);
    call.answer(); // echoed: fine
    EXPECT_EQ(link.transport->sentBodies().last(), "ALTER CALL 3 ANSWER");

    link.transport->respond = [](const QString& body) -> std::optional<QString> {
        if (body == QLatin1String("ALTER CALL 3 ANSWER"))
            return QStringLiteral("ERROR 559 Action failed");
        return std::nullopt; // never answered
    };
    try {
        call.answer();
        ADD_FAILURE() << "answer should fail";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 559);
        EXPECT_EQ(e.description(), "Action failed");
    }
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumber([&] { call.partnerHandle(); }), LinkError::Timeout);
    EXPECT_LT(clock.elapsed(), 1500);

    // A reply to another command's id is not taken for this one's.
    link.transport->echoIds = false;
    link.transport->respond = [](const QString&) {
        return QStringLiteral("#999 CALL 3 STATUS RINGING");
    };
    EXPECT_EQ(errorNumber([&] { call.status(); }), LinkError::BadReply);

    // A missing client fails at once; once it is back, the link attaches again.
    link.transport->echoIds = true;
    link.transport->respond = willingClient();
    link.transport->quit();
    EXPECT_EQ(errorNumber([&] { call.answer(); }), LinkError::NotRunning);
    link.transport->start();
    link.transport->sent.clear();
    call.answer();
    EXPECT_EQ(link.transport->sentBodies(),
              QStringList({"NAME Pellorin", "PROTOCOL 5", "ALTER CALL 3 ANSWER"}));
}

TEST(ApiSession, CallNotificationsReachOnlyAttachedLiveObjects) {
    Link link;
    Raised attached, reader, dropped;
    auto listening = link.object(attached);
    auto readOnly = link.object(reader);
    auto gone = link.object(dropped);
    listening->attach(5, true);
    gone->attach(5, true);
    settle();

    const QString malformed[] = {"CALL 7 STATUS",
                                 "CALL x STATUS RINGING",
                                 "CALL 7 STATUS BOGUS",
                                 "",
                                 QString(1 << 20, QLatin1Char('C')),
                                 "#3 CALL 7 STATUS RINGING",
                                 "USER bob FULLNAME Bob"};
    for (const QString& line : malformed)
        link.transport->notify(line);
    link.transport->notify("CALL 7 STATUS RINGING");
    gone.reset(); // destroyed before the event is delivered
    settle();

    ASSERT_EQ(attached.calls.size(), 1u);
    EXPECT_EQ(attached.calls[0].second, CallStatusCode::Ringing);
    EXPECT_EQ(std::static_pointer_cast<ApiCall>(attached.calls[0].first)->id(), 7);
    EXPECT_TRUE(reader.calls.empty());
    EXPECT_TRUE(reader.attachment.empty());
    EXPECT_TRUE(dropped.calls.empty());
}

// A notification that arrives while a handler waits for a reply is raised after
// that handler, never inside it.
TEST(ApiSession, EventsAreHeldWhileACommandWaits) {
    Link link;
    Raised raised;
    auto object = link.object(raised);
    object->attach(5, true);
    settle();

    link.transport->respond = willingClient([&](const QString& body) -> std::optional<QString> {
        if (body == QLatin1String("GET CALL 7 PARTNER_HANDLE")) {
            link.transport->notify("CALL 8 STATUS RINGING");
            return QStringLiteral("CALL 7 PARTNER_HANDLE bob");
        }
        if (body == QLatin1String("GET CALL 8 PARTNER_HANDLE"))
            return QStringLiteral("CALL 8 PARTNER_HANDLE carol");
        return std::nullopt;
    });
    int depth = 0, deepest = 0;
    QStringList partners;
    QObject::connect(object.get(), &Automation::CallStatus, [&](SkypeCallPtr call, int) {
        deepest = std::max(deepest, ++depth);
        partners << call->partnerHandle();
        --depth;
    });
    link.transport->notify("CALL 7 STATUS RINGING");
    settle(50);
    EXPECT_EQ(partners, QStringList({"bob", "carol"}));
    EXPECT_EQ(deepest, 1);
}

// While the link waits for the client the busy cursor shows; afterwards it is
// gone again, however the wait ended.
TEST(ApiSession, BusyCursorForTheWaitOnly) {
    struct Row {
        const char* name;
        const char* held;   // the command the client answers late, or never
        const char* answer; // null: never
        std::function<void(Automation&)> wait;
    };
    const Row rows[] = {
        {"commandAnswered", "SEARCH FRIENDS", "USERS bob", [](Automation& a) { a.friends(); }},
        {"commandTimesOut", "SEARCH FRIENDS", nullptr,
         [](Automation& a) { EXPECT_EQ(errorNumber([&] { a.friends(); }), LinkError::Timeout); }},
        {"attachAnswered", "NAME Pellorin", "OK", [](Automation& a) { a.attach(5, true); }},
    };
    for (const Row& row : rows) {
        Link link;
        link.transport->respond = [&](const QString& body) -> std::optional<QString> {
            if (body == QLatin1String(row.held))
                return std::nullopt;
            return willingClient()(body);
        };
        Raised raised;
        auto object = link.object(raised);
        bool busyDuringWait = false;
        QTimer::singleShot(50, [&] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busyDuringWait = cursor && cursor->shape() == Qt::WaitCursor;
            if (row.answer)
                link.transport->answerHeld(QLatin1String(row.answer));
        });
        row.wait(*object);
        EXPECT_TRUE(busyDuringWait) << row.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << row.name;
    }
}

TEST(ApiSession, UserProfileValues) {
    Link link;
    link.transport->respond = willingClient([](const QString& body) -> std::optional<QString> {
        static const QHash<QString, QString> profile{
            {"FULLNAME", "Bob  Builder "}, {"SEX", "MALE"}, {"COUNTRY", "ee Estonia"},
            {"BIRTHDAY", "19800229"},      {"CITY", ""},    {"ABOUT", "line"},
        };
        const QStringList words = body.split(' ');
        if (words.size() == 4 && words[0] == "GET" && words[1] == "USER") {
            if (words[2] == "nobody")
                return QStringLiteral("ERROR 26 Invalid user handle");
            if (words[2] == "unset" && words[3] == "BIRTHDAY")
                return QStringLiteral("USER unset BIRTHDAY 0");
            if (words[2] == "weird")
                return QStringLiteral("USER weird BIRTHDAY 1980-02-29");
            return QStringLiteral("USER %1 %2 %3").arg(words[2], words[3], profile.value(words[3]));
        }
        return std::nullopt;
    });
    Raised raised;
    auto object = link.object(raised);
    const SkypeUserPtr bob = object->user("bob");
    EXPECT_EQ(bob->property("FullName"), QVariant(QStringLiteral("Bob  Builder ")));
    EXPECT_EQ(bob->property("Sex"), QVariant(0));
    EXPECT_EQ(bob->property("Country"), QVariant(QStringLiteral("Estonia")));
    EXPECT_EQ(bob->property("Birthday"), QVariant(QDate(1980, 2, 29)));
    EXPECT_EQ(bob->property("City"), QVariant(QString()));
    const QVariant unset = object->user("unset")->property("Birthday");
    EXPECT_EQ(unset.metaType(), QMetaType::fromType<QDate>());
    EXPECT_TRUE(unset.toDate().isNull());

    EXPECT_EQ(errorNumber([&] { object->user("nobody")->property("FullName"); }), 26);
    EXPECT_EQ(errorNumber([&] { object->user("weird")->property("Birthday"); }),
              LinkError::BadReply);
    EXPECT_EQ(errorNumber([&] { bob->property("Password"); }), LinkError::BadArgument);
    const int sentBefore = static_cast<int>(link.transport->sent.size());
    for (const char* bad : {"", "two words", "line\nbreak"})
        EXPECT_EQ(errorNumber([&] { object->user(bad)->property("FullName"); }),
                  LinkError::BadArgument)
            << bad;
    EXPECT_EQ(link.transport->sent.size(), sentBefore);
}
