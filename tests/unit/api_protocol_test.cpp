#include "client/desktop_api/api_protocol.h"

#include <gtest/gtest.h>

using namespace ApiProtocol;

namespace {

const QString megabyte = QStringLiteral("CALL 1 STATUS ") + QString(1 << 20, QLatin1Char('R'));
const QString invalidUtf8 = QString::fromUtf8("CALL 1 STATUS RING\xff\xfeING");

} // namespace

TEST(ApiProtocol, IdPrefixes) {
    struct Case {
        QString line;
        bool readable;
        std::optional<qint64> id;
        QString body;
    };
    const Case cases[] = {
        {"#12 GET CALL 3 STATUS", true, 12, "GET CALL 3 STATUS"},
        {"CALL 3 STATUS RINGING", true, std::nullopt, "CALL 3 STATUS RINGING"},
        {"#7", true, 7, ""},
        {"#", false, {}, {}},
        {"#abc OK", false, {}, {}},
        {"#-1 OK", false, {}, {}},
        {"#99999999999999999999 OK", false, {}, {}},
    };
    for (const Case& c : cases) {
        const auto tagged = splitId(c.line);
        ASSERT_EQ(tagged.has_value(), c.readable) << c.line.toStdString();
        if (tagged) {
            EXPECT_EQ(tagged->id, c.id) << c.line.toStdString();
            EXPECT_EQ(tagged->body, c.body) << c.line.toStdString();
        }
    }
    EXPECT_EQ(withId(3, "PROTOCOL 5"), "#3 PROTOCOL 5");
}

TEST(ApiProtocol, HandshakeAnswers) {
    EXPECT_EQ(parseNameAnswer("OK"), NameAnswer::Allowed);
    EXPECT_EQ(parseNameAnswer("ERROR 68"), NameAnswer::Refused);
    EXPECT_EQ(parseNameAnswer("ERROR 68 Access denied"), NameAnswer::Refused);
    EXPECT_EQ(parseNameAnswer("CONNSTATUS OFFLINE"), NameAnswer::Offline);
    for (const char* other : {"", "OK ", "ERROR 2 Unknown command", "ERROR", "CONNSTATUS ONLINE"})
        EXPECT_EQ(parseNameAnswer(other), NameAnswer::Malformed) << other;

    EXPECT_EQ(parseProtocol("PROTOCOL 5"), 5);
    EXPECT_EQ(parseProtocol("PROTOCOL 3"), 3);
    for (const char* bad : {"PROTOCOL", "PROTOCOL five", "PROTOCOLS 5", ""})
        EXPECT_FALSE(parseProtocol(bad)) << bad;
}

TEST(ApiProtocol, Errors) {
    const auto withText = parseError("ERROR 559 Action failed");
    ASSERT_TRUE(withText);
    EXPECT_EQ(withText->code, 559);
    EXPECT_EQ(withText->text, "Action failed");
    const auto bare = parseError("ERROR 68");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->code, 68);
    EXPECT_TRUE(bare->text.isEmpty());
    for (const char* bad : {"ERROR", "ERROR x", "ERRORS 1", "ERROR 99999999999", "OK"})
        EXPECT_FALSE(parseError(bad)) << bad;
}

TEST(ApiProtocol, ContactList) {
    struct Case {
        QString body;
        std::optional<QStringList> handles;
    };
    const Case cases[] = {
        {"USERS bob, bobby, Bob", QStringList{"bob", "bobby", "Bob"}},
        {"USERS alice", QStringList{"alice"}},
        {"USERS", QStringList{}},
        {"USERS ", QStringList{}},
        {"USERS a,, b", std::nullopt},
        {"USERS a, , b", std::nullopt},
        {"USER a", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseUsers(c.body), c.handles) << c.body.toStdString();
}

TEST(ApiProtocol, PropertyReplies) {
    EXPECT_EQ(parseUserProperty("USER bob ABOUT hello  world ", "bob", "ABOUT"), "hello  world ");
    EXPECT_EQ(parseUserProperty("USER bob ABOUT ", "bob", "ABOUT"), "");
    EXPECT_EQ(parseUserProperty("USER bob ABOUT", "bob", "ABOUT"), "");
    EXPECT_EQ(parseUserProperty("USER Bob CITY x", "bob", "CITY"), "x");
    EXPECT_FALSE(parseUserProperty("USER bobby ABOUT x", "bob", "ABOUT"));
    EXPECT_FALSE(parseUserProperty("USER bob FULLNAME x", "bob", "ABOUT"));
    EXPECT_FALSE(parseUserProperty("CALL bob ABOUT x", "bob", "ABOUT"));

    EXPECT_EQ(parseCallProperty("CALL 12 PARTNER_HANDLE bob", 12, "PARTNER_HANDLE"), "bob");
    EXPECT_FALSE(parseCallProperty("CALL 13 PARTNER_HANDLE bob", 12, "PARTNER_HANDLE"));
    EXPECT_FALSE(parseCallProperty("CALL x PARTNER_HANDLE bob", 12, "PARTNER_HANDLE"));
}

TEST(ApiProtocol, StatusWords) {
    const std::pair<const char*, int> words[] = {
        {"UNPLACED", 0},
        {"ROUTING", 1},
        {"EARLYMEDIA", 2},
        {"FAILED", 3},
        {"RINGING", 4},
        {"INPROGRESS", 5},
        {"ONHOLD", 6},
        {"FINISHED", 7},
        {"MISSED", 8},
        {"REFUSED", 9},
        {"BUSY", 10},
        {"CANCELLED", 11},
        {"LOCALHOLD", 12},
        {"REDIAL_PENDING", 12},
        {"REMOTEHOLD", 13},
        {"VM_BUFFERING_GREETING", 14},
        {"VM_PLAYING_GREETING", 15},
        {"VM_RECORDING", 16},
        {"VM_UPLOADING", 17},
        {"VM_SENT", 18},
        {"VM_CANCELLED", 19},
        {"VM_FAILED", 20},
        {"TRANSFERRING", 21},
        {"TRANSFERRED", 22},
    };
    for (const auto& [word, code] : words) {
        EXPECT_EQ(callStatusCode(word), code) << word;
        const auto notice = parseCallStatusNotice(QStringLiteral("CALL 42 STATUS ") + word);
        ASSERT_TRUE(notice) << word;
        EXPECT_EQ(notice->callId, 42);
        EXPECT_EQ(notice->status, code);
    }
    EXPECT_EQ(parseCallStatusWord("SOMETHING_NEW"), -1);
    for (const char* bad : {"", "ringing", "RING ING", "RINGING\t"})
        EXPECT_FALSE(parseCallStatusWord(bad)) << bad;
}

// Lines the client might send that cannot be read as a call status: none is
// taken for one, none crashes.
TEST(ApiProtocol, MalformedCallStatusNotifications) {
    const QString lines[] = {
        "",
        "CALL",
        "CALL 12",
        "CALL 12 STATUS",
        "CALL 12 STATUS ",
        "CALL 12 STATUS ringing",
        "CALL 12 STATUS BOGUS",
        "CALL 12 STATUS RINGING extra",
        "CALL x STATUS RINGING",
        "CALL -3 STATUS RINGING",
        "CALL 4294967296 STATUS RINGING",
        "CALL  STATUS RINGING",
        "USER bob STATUS RINGING",
        megabyte,
        invalidUtf8,
    };
    for (const QString& line : lines)
        EXPECT_FALSE(parseCallStatusNotice(line)) << line.left(60).toStdString();
    EXPECT_TRUE(looksLikeCallStatus("CALL x STATUS RINGING"));
    EXPECT_FALSE(looksLikeCallStatus("CALL 12 PARTNER_HANDLE bob"));
}

TEST(ApiProtocol, ProfileValues) {
    EXPECT_EQ(userPropertyName("PhoneMobile"), "PHONE_MOBILE");
    EXPECT_EQ(userPropertyName("DisplayName"), "DISPLAYNAME");
    EXPECT_FALSE(userPropertyName("Password"));

    EXPECT_EQ(sexCode("MALE"), 0);
    EXPECT_EQ(sexCode("FEMALE"), 1);
    EXPECT_EQ(sexCode("UNKNOWN"), -1);
    EXPECT_EQ(sexCode(""), -1);

    const std::tuple<const char*, int, const char*> countries[] = {
        {"ee Estonia", 5, "Estonia"},
        {"gb United Kingdom", 5, "United Kingdom"},
        {"ee", 5, ""},
        {"", 5, ""},
        {"Estonia", 5, "Estonia"},
        {"ee Estonia", 3, "ee Estonia"},
    };
    for (const auto& [value, protocol, name] : countries)
        EXPECT_EQ(countryName(value, protocol), name) << value;

    EXPECT_EQ(parseBirthday("19800229"), QDate(1980, 2, 29));
    EXPECT_EQ(parseBirthday("0"), QDate());
    EXPECT_EQ(parseBirthday(""), QDate());
    for (const char* bad : {"19810229", "1980-02-29", "198002", "abcdefgh"})
        EXPECT_FALSE(parseBirthday(bad)) << bad;
}
