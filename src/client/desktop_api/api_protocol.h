#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The calling client's desktop API: a line-based text protocol. Parsing and
// formatting only (QtCore, no transport), so every line the client may send can
// be checked on its own. Every parser returns nothing for a line it cannot read;
// none of them throws.
namespace ApiProtocol {

// The name we attach under and the protocol version we ask for.
inline constexpr auto ApplicationName = "Pellorin";

// A line split into its optional id prefix ("#12 ") and the rest.
struct Tagged {
    std::optional<qint64> id;
    QString body;
};

// Formats "#<id> <command>".
QString withId(qint64 id, const QString& command);
// Splits a leading "#<digits> " off. A line that starts with '#' but has no
// valid id yields nothing.
std::optional<Tagged> splitId(const QString& line);

// "ERROR <code>" or "ERROR <code> <text>".
struct Error {
    int code = 0;
    QString text;
};
std::optional<Error> parseError(const QString& body);

// The answer to "NAME <application>".
enum class NameAnswer { Allowed, Refused, Offline, Malformed };
NameAnswer parseNameAnswer(const QString& body);

// "PROTOCOL <n>": the version in force (the last token).
std::optional<int> parseProtocol(const QString& body);

// "USERS a, b, c" (also "USERS" or "USERS " for none).
std::optional<QStringList> parseUsers(const QString& body);

// "USER <handle> <PROP> <value>": the value (the rest of the line, may be empty).
// The handle is compared without regard to letter case.
std::optional<QString> parseUserProperty(const QString& body, const QString& handle,
                                         const QString& property);

// "CALL <id> <PROP> <value>": the value.
std::optional<QString> parseCallProperty(const QString& body, qint64 callId,
                                         const QString& property);

// A call status word as the automation interface numbers it; -1 for any other.
int callStatusCode(const QString& word);
// Whether the text is a status word the protocol knows.
bool isKnownCallStatus(const QString& word);
// A status word from a reply: its number, -1 for a well-formed word this
// program does not know (capitals, digits, '_'), nothing for anything else.
std::optional<int> parseCallStatusWord(const QString& word);

// The notification "CALL <id> STATUS <STATUS>" with a known status word.
struct CallStatusNotice {
    qint64 callId = 0;
    int status = -1;
};
std::optional<CallStatusNotice> parseCallStatusNotice(const QString& body);

// Whether the notification is about a call's status at all (so a line that
// claims to be one but cannot be read is worth a warning).
bool looksLikeCallStatus(const QString& body);

// Profile property names of the automation interface and their protocol names:
// FullName -> FULLNAME, PhoneMobile -> PHONE_MOBILE, ... Nothing for others.
std::optional<QString> userPropertyName(const QString& automationName);

// "UNKNOWN"/"MALE"/"FEMALE" -> -1/0/1 (anything else -1).
int sexCode(const QString& value);

// The country name without its ISO 3166 code prefix (the code precedes the
// name from protocol 4 on; a value without a two-letter code is kept whole).
QString countryName(const QString& value, int protocol);

// "YYYYMMDD" -> that date; "0" (or nothing) -> a null date (unset). Nothing for
// anything else.
std::optional<QDate> parseBirthday(const QString& value);

// A call id: decimal digits only, no sign, fits in 32 bits unsigned.
std::optional<qint64> parseCallId(const QString& text);

} // namespace ApiProtocol
