#include "client/jami/jami_automation.h"
#include "client/jami/jami_call.h"
#include "client/jami/jami_session.h"
#include "client/link_error.h"
#include "fakes/error_number.h"
#include "fakes/file_bytes.h"
#include "fakes/scripted_jami.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString Acct = QStringLiteral("a22b5955");
// Jami IDs; the third starts as the first does.
const QString Rose = QStringLiteral("2e9f47111021dc933362e051aaf69ab84181475f");
const QString Rose2 = QStringLiteral("8a1c2b3d4e5f60718293a4b5c6d7e8f901234567");
const QString Rose3 = QStringLiteral("2e9f4711a021dc933362e051aaf69ab84181475f");

// An attached object over a scripted jamid, with what it raised.
struct Link {
    ScriptedJami* jamid;
    std::shared_ptr<JamiSession> session;
    std::unique_ptr<JamiAutomation> object;
    std::vector<int> attachment;
    std::vector<std::pair<SkypeCallPtr, int>> raised;

    explicit Link(bool attach = true) {
        auto bus = std::make_unique<ScriptedJami>();
        jamid = bus.get();
        jamid->accounts = {{Acct, true, {}}};
        session = std::make_shared<JamiSession>(std::move(bus), JamiTimeouts{.commandMs = 200},
                                                QStringLiteral("display://:9+0,0 352x288"));
        object = std::make_unique<JamiAutomation>(session);
        QObject::connect(object.get(), &Automation::AttachmentStatus,
                         [this](int status) { attachment.push_back(status); });
        QObject::connect(object.get(), &Automation::CallStatus,
                         [this](SkypeCallPtr call, int status) {
                             raised.emplace_back(std::move(call), status);
                         });
        if (attach) {
            object->attach(5, true);
            settle();
        }
    }
    static void settle() { QTest::qWait(20); }
    // The statuses raised for the call `id`.
    std::vector<int> statuses(const QString& id) const {
        std::vector<int> found;
        for (const auto& [call, status] : raised)
            if (static_cast<JamiCall&>(*call).key().second == id)
                found.push_back(status);
        return found;
    }
    // The call object raised for `id` (rung and raised first when not given).
    SkypeCallPtr call(const QString& id) const {
        for (const auto& [call, status] : raised)
            if (static_cast<JamiCall&>(*call).key().second == id)
                return call;
        return nullptr;
    }
    QString ring(const QString& peer, bool video = true,
                 const std::optional<QString>& from = std::nullopt) {
        const QString id = jamid->ring(Acct, peer, video, from);
        settle();
        return id;
    }
};

JamiBus::Reply value(const QVariant& v) {
    return {JamiBus::Failure::None, {v}, {}};
}

// Overrides the reply to `method` with `reply`.
void replace(Link& link, const QString& method, const JamiBus::Reply& reply) {
    link.jamid->overrides = [method, reply](const ScriptedJami::MethodCall& call) {
        return call.method == method ? std::optional(reply) : std::nullopt;
    };
}

const JamiBus::Reply NoReply{};

} // namespace

// How jamid's API maps onto the automation interface, row by row.
TEST(JamiSession, Mapping) {
    struct Row {
        const char* name;
        std::function<void()> run;
    };
    const Row rows[] = {
        {"attach while jamid runs: status 0; the name losing its owner: 3, once",
         [] {
             Link link;
             EXPECT_TRUE(link.object->client().isRunning());
             EXPECT_EQ(link.attachment, std::vector<int>{AttachStatus::Success});
             link.jamid->quit();
             Link::settle();
             EXPECT_EQ(link.attachment,
                       (std::vector<int>{AttachStatus::Success, AttachStatus::NotAvailable}));
             link.ring(QStringLiteral("alice@h")); // a jamid that is gone raises nothing more
             EXPECT_TRUE(link.raised.empty());
             int available = 0;
             QObject::connect(link.object.get(), &Automation::ClientAvailable,
                              [&] { ++available; });
             link.jamid->start(); // back: said once, and still no calls until attached again
             link.jamid->quit();
             link.jamid->start();
             link.ring(QStringLiteral("alice@h"));
             EXPECT_EQ(available, 1);
             EXPECT_TRUE(link.raised.empty());
         }},
        {"attach without jamid: status 3 and the error; no method of jamid is called",
         [] {
             Link link(false);
             link.jamid->present = false;
             EXPECT_FALSE(link.object->client().isRunning());
             EXPECT_EQ(errorNumber([&] { link.object->attach(5, true); }), LinkError::NotRunning);
             Link::settle();
             EXPECT_EQ(link.attachment, std::vector<int>{AttachStatus::NotAvailable});
             EXPECT_TRUE(link.jamid->methodCalls.empty());
         }},
        {"a ring: 4, the caller's handle without name, scheme or parameters",
         [] {
             Link link;
             const QString id = link.ring(QStringLiteral("Alice <sip:alice@127.0.0.1:5072;transport=udp>"));
             ASSERT_EQ(link.statuses(id), std::vector<int>{CallStatusCode::Ringing});
             EXPECT_EQ(link.call(id)->partnerHandle(), "alice@127.0.0.1:5072");
             EXPECT_TRUE(link.jamid->calls("getCallDetails").empty()); // the ring said it
             // A ring that names nobody: PEER_NUMBER, asked once.
             const QString nameless = link.ring(QStringLiteral("sip:bob@h"), true, QString());
             EXPECT_EQ(link.call(nameless)->partnerHandle(), "bob@h");
             EXPECT_EQ(link.call(nameless)->partnerHandle(), "bob@h");
             EXPECT_EQ(link.jamid->calls("getCallDetails").size(), 1u);
             EXPECT_EQ(link.call(id)->status(), CallStatusCode::Ringing);
             const QString jami = link.ring(QStringLiteral("c5a45ae8@ring.dht"));
             EXPECT_EQ(link.call(jami)->partnerHandle(), "c5a45ae8"); // as its contact entry
         }},
        {"answer: the offered media, video muted from the chosen source; CURRENT: 5",
         [] {
             Link link;
             const QString id = link.ring(QStringLiteral("alice@h"));
             link.call(id)->answer();
             Link::settle();
             const auto& accepted = link.jamid->find(id)->accepted;
             ASSERT_TRUE(accepted);
             ASSERT_EQ(accepted->size(), 2);
             EXPECT_EQ((*accepted)[0].value("MUTED"), "false");
             EXPECT_EQ((*accepted)[1].value("MUTED"), "true");
             EXPECT_EQ((*accepted)[1].value("SOURCE"), "display://:9+0,0 352x288");
             EXPECT_EQ(link.statuses(id),
                       (std::vector<int>{CallStatusCode::Ringing, CallStatusCode::InProgress}));
             EXPECT_EQ(link.call(id)->status(), CallStatusCode::InProgress);
             link.call(id)->answer(); // a second answer (both lists) asks nothing of jamid
             EXPECT_EQ(link.jamid->calls("acceptWithMedia").size(), 1u);
             link.call(id)->startVideoSend();
             EXPECT_TRUE(link.jamid->find(id)->videoUnmuted);
             const auto mute = link.jamid->calls("muteLocalMedia");
             ASSERT_EQ(mute.size(), 1u);
             EXPECT_EQ(mute[0].args, (QVariantList{Acct, id, "MEDIA_TYPE_VIDEO", false}));
         }},
        {"hang-ups: HUNGUP then OVER raise 7 once after CURRENT, 8 once before",
         [] {
             Link link;
             const QString answered = link.ring(QStringLiteral("alice@h"));
             const QString missed = link.ring(QStringLiteral("bob@h"));
             link.call(answered)->answer();
             link.jamid->hangUp(answered);
             link.jamid->hangUp(missed);
             Link::settle();
             EXPECT_EQ(link.statuses(answered), (std::vector<int>{4, 5, JamiCallStatus::Finished}));
             EXPECT_EQ(link.statuses(missed), (std::vector<int>{4, JamiCallStatus::Missed}));
             EXPECT_EQ(errorNumber([&] { link.call(missed)->startVideoSend(); }), LinkError::Failed);
         }},
        {"two calls ringing at once: each answer goes to its own call",
         [] {
             Link link;
             const QString first = link.ring(QStringLiteral("alice@h"));
             const QString second = link.ring(QStringLiteral("bob@h"), false);
             EXPECT_EQ(link.call(second)->partnerHandle(), "bob@h");
             link.call(second)->answer();
             Link::settle();
             EXPECT_FALSE(link.jamid->find(first)->accepted);
             ASSERT_TRUE(link.jamid->find(second)->accepted);
             EXPECT_EQ(link.jamid->find(second)->accepted->size(), 1); // audio only, as offered
             EXPECT_EQ(link.call(first)->status(), CallStatusCode::Ringing);
             EXPECT_EQ(errorNumber([&] { link.call(second)->startVideoSend(); }),
                       LinkError::Failed); // no video offered
         }},
        {"a call gone before the answer: answering is no failure",
         [] {
             Link link;
             const QString id = link.ring(QStringLiteral("alice@h"));
             const QString nameless = link.ring(QStringLiteral("bob@h"), true, QString());
             link.jamid->hangUp(id, false);
             link.jamid->hangUp(nameless, false);
             EXPECT_EQ(link.call(id)->partnerHandle(), "alice@h");
             EXPECT_EQ(errorNumber([&] { link.call(id)->answer(); }), 0);
             EXPECT_EQ(errorNumber([&] { link.call(nameless)->partnerHandle(); }),
                       LinkError::Failed);
         }},
        {"contacts: enabled accounts only, each handle once, banned ones left out",
         [] {
             Link link;
             link.jamid->accounts = {
                 {"a1", true, {{{"id", "ring:f00d"}}, {{"id", "cafe"}, {"banned", "true"}}}},
                 {"a2", false, {{{"id", "beef"}}}},
                 {"a3", true, {{{"id", "f00d"}}, {{"id", "abba"}}, {{"added", "1"}}}},
             };
             QStringList handles;
             for (const SkypeUserPtr& user : link.object->friends())
                 handles << user->handle();
             EXPECT_EQ(handles, (QStringList{"f00d", "abba"}));
             EXPECT_EQ(link.object->user("abba")->property("FullName").toString(), "");
             EXPECT_EQ(errorNumber([&] { link.object->user("abba")->property("Shoe"); }),
                       LinkError::BadArgument);
         }},
        {"bad signals are ignored: unknown calls, wrong types, missing values",
         [] {
             Link link;
             link.jamid->signal("callStateChanged", {Acct, "999", "CURRENT", 0});
             link.jamid->signal("incomingCallWithMedia", {Acct, "998", "x@h", QStringList{}});
             link.jamid->signal("incomingCallWithMedia", {Acct, "997"});
             link.jamid->signal("callStateChanged", {Acct, 996, "CURRENT", 0});
             Link::settle();
             EXPECT_TRUE(link.raised.empty());
         }},
        {"bad replies: a clear error each, and the link goes on",
         [] {
             struct Bad {
                 const char* method;
                 JamiBus::Reply reply;
                 std::function<void(Link&, SkypeCall&)> act;
                 int error;
             };
             const auto answer = [](Link&, SkypeCall& call) { call.answer(); };
             const auto partner = [](Link&, SkypeCall& call) { call.partnerHandle(); };
             const Bad bads[] = {
                 {"getCallDetails", value("text"), partner, LinkError::BadReply},
                 {"getCallDetails", value(QVariant::fromValue(JamiDetails{{"X", "y"}})), partner,
                  LinkError::BadReply},
                 {"acceptWithMedia", value(1), answer, LinkError::BadReply},
                 {"acceptWithMedia", {JamiBus::Failure::None, {}, {}}, answer, LinkError::Timeout},
                 {"acceptWithMedia", {JamiBus::Failure::Other, {}, "InvalidArgs"}, answer,
                  LinkError::Failed},
                 {"acceptWithMedia", value(false), answer, LinkError::Failed}, // live call refused
                 {"getAccountList", value(QVariant::fromValue(JamiDetailsList{})),
                  [](Link& l, SkypeCall&) { l.object->friends(); }, LinkError::BadReply},
             };
             for (const Bad& bad : bads) {
                 SCOPED_TRACE(bad.method);
                 Link link;
                 // A ring that names nobody: the handle is asked of jamid.
                 const QString id = link.ring(QStringLiteral("alice@h"), true, QString());
                 replace(link, bad.method, bad.reply);
                 EXPECT_EQ(errorNumber([&] { bad.act(link, *link.call(id)); }), bad.error);
                 link.jamid->overrides = {};
                 EXPECT_EQ(link.call(id)->partnerHandle(), "alice@h");
                 link.call(id)->answer();
                 EXPECT_EQ(link.call(id)->status(), CallStatusCode::InProgress);
             }
         }},
        {"jamid quits while a call waits for its reply: the client-quit error",
         [] {
             Link link;
             const QString id = link.ring(QStringLiteral("alice@h"));
             link.call(id)->answer();
             replace(link, "muteLocalMedia", NoReply);
             QTimer::singleShot(50, link.jamid, [&] { link.jamid->quit(); });
             EXPECT_EQ(errorNumber([&] { link.call(id)->startVideoSend(); }), LinkError::ClientQuit);
             EXPECT_EQ(link.call(id)->status(), CallStatusCode::Unknown);
             EXPECT_EQ(errorNumber([&] { link.call(id)->answer(); }), LinkError::BadArgument);
         }},
        {"events are held while a method call waits, and follow in order",
         [] {
             Link link;
             const QString first = link.ring(QStringLiteral("alice@h"));
             std::vector<int> seenDuringWait;
             link.jamid->overrides = [&](const ScriptedJami::MethodCall& call) {
                 if (call.method == "acceptWithMedia")
                     link.jamid->ring(Acct, "bob@h"); // rings while we wait
                 return std::optional<JamiBus::Reply>();
             };
             const size_t before = link.raised.size();
             link.call(first)->answer();
             EXPECT_EQ(link.raised.size(), before);
             Link::settle();
             EXPECT_EQ(link.raised.size(), before + 2); // 5 for the first, 4 for the second
         }},
        {"the newest 512 calls are kept",
         [] {
             Link link;
             const QString oldest = link.jamid->ring(Acct, "c0@h");
             QString newest;
             for (int i = 1; i <= JamiSession::KeptCalls; ++i)
                 newest = link.jamid->ring(Acct, QStringLiteral("c%1@h").arg(i));
             // One event is raised per turn of the event loop: these take far
             // longer than a settle() under load and the sanitizers.
             ASSERT_TRUE(QTest::qWaitFor([&] { return link.call(newest) != nullptr; }, 10000));
             EXPECT_EQ(link.call(oldest)->status(), CallStatusCode::Unknown);
             EXPECT_EQ(errorNumber([&] { link.call(oldest)->answer(); }), LinkError::BadArgument);
             EXPECT_EQ(link.raised.back().first->partnerHandle(), "c512@h");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.run();
    }
}

// What a Jami contact is shown as: its name asked for as the windows show it,
// once, and filled in as it comes.
TEST(JamiSession, ShownNames) {
    struct Contact {
        QString id, registered, profile; // as the name server and jamid's profiles know it
        QString shown;
    };
    struct Row {
        const char* what;
        std::vector<Contact> contacts;
        bool nameServerAnswers = true;
    };
    const Row rows[] = {
        {"the registered name", {{Rose, "rose", "", "rose"}}},
        {"the profile's name first", {{Rose, "rose", "Rose Miller", "Rose Miller"}}},
        {"neither: the ID; a SIP caller: its handle",
         {{Rose, "", "", Rose}, {"alice@192.0.2.7", "", "", "alice@192.0.2.7"}}},
        {"a name server that does not answer",
         {{Rose, "rose", "", Rose}, {Rose2, "", "Grandma", "Grandma"}},
         false},
        {"two with the same name: as much of the ID beside it as tells them apart",
         {{Rose, "rose", "", "rose (2e9f47111)"},
          {Rose2, "", "Rose", "Rose (8a1c2b3d)"},
          {Rose3, "rose", "", "rose (2e9f4711a)"}}},
        {"a name that reads as an ID or an address is not taken",
         {{Rose, Rose2, "", Rose}, {Rose2, "", "rose@192.0.2.7", Rose2}}},
        // Names that only look alike are taken as the same name.
        {"a Cyrillic o",
         {{Rose, "rose", "", "rose (2e9f4711)"}, {Rose2, "", "R\u043ese", "R\u043ese (8a1c2b3d)"}}},
        {"a decomposed \u00e9 beside a composed one",
         {{Rose, "", "Ros\u00e9", "Ros\u00e9 (2e9f4711)"},
          {Rose2, "", "Rose\u0301", "Ros\u00e9 (8a1c2b3d)"}}},
        {"a name that ends like an ID's start",
         {{Rose, "rose", "", "rose (2e9f4711)"},
          {Rose2, "", "rose (2e9f4711)", "rose (2e9f4711) (8a1c2b3d)"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir data;
        Link link;
        link.jamid->dataDir = data.path();
        link.jamid->nameServerAnswers = row.nameServerAnswers;
        JamiDetailsList contacts;
        size_t ids = 0;
        for (const Contact& c : row.contacts) {
            contacts.append({{"id", c.id}});
            ids += JamiNames::isJamiId(c.id);
            if (!c.registered.isEmpty())
                link.jamid->registeredNames.insert(c.id, c.registered);
            // Where jamid keeps the profile a contact sent.
            const QString profiles = data.filePath("a1/profiles/");
            if (!c.profile.isEmpty() && QDir().mkpath(profiles))
                FileBytes::put(profiles + c.id.toUtf8().toBase64() + ".vcf",
                               "BEGIN:VCARD\r\nFN:" + c.profile.toUtf8() +
                                   "\r\nPHOTO;ENCODING=BASE64:iVBORw0K\r\nEND:VCARD\r\n");
        }
        link.jamid->accounts = {{"a1", true, contacts, true}};
        int namesChanged = 0;
        QObject::connect(link.object.get(), &Automation::NamesChanged, [&] { ++namesChanged; });
        link.object->friends();
        for (const Contact& c : row.contacts)
            link.object->shownName(c.id); // as a window first shows them
        EXPECT_EQ(namesChanged, 0);       // nothing read or announced inside a window's paint
        Link::settle();
        for (const Contact& c : row.contacts)
            EXPECT_EQ(link.object->shownName(c.id).toStdString(), c.shown.toStdString());
        EXPECT_EQ(link.jamid->calls("lookupAddress").size(), ids);
        EXPECT_EQ(namesChanged > 0, std::ranges::any_of(row.contacts, [](const Contact& c) {
                      return c.shown != c.id;
                  }));
    }

    // A profile that arrives; the contact browser's two names.
    QTemporaryDir dir;
    Link link;
    link.jamid->signal("registeredNameFound", {"a1", 0, Rose, "rose"});
    const QString vcard = dir.filePath("rose.vcf");
    FileBytes::put(vcard, "BEGIN:VCARD\nFN;CHARSET=UTF-8:Rose\\, M\n iller\nEND:VCARD\n");
    link.jamid->signal("profileReceived", {"a1", "ring:" + Rose, vcard});
    Link::settle();
    EXPECT_EQ(link.object->shownName(Rose), "Rose, Miller");
    EXPECT_EQ(link.object->user(Rose)->property("FullName").toString(), "Rose, Miller");
    EXPECT_EQ(link.object->user(Rose)->property("DisplayName").toString(), "rose");
}
