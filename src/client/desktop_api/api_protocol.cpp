#include "api_protocol.h"

#include <array>
#include <utility>

namespace ApiProtocol {

namespace {

// The status words and the numbers the automation interface gives them.
constexpr std::array<std::pair<const char*, int>, 24> statusWords{{
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
}};

constexpr std::array<std::pair<const char*, const char*>, 10> userProperties{{
    {"FullName", "FULLNAME"},
    {"Sex", "SEX"},
    {"Country", "COUNTRY"},
    {"City", "CITY"},
    {"Birthday", "BIRTHDAY"},
    {"About", "ABOUT"},
    {"PhoneMobile", "PHONE_MOBILE"},
    {"PhoneHome", "PHONE_HOME"},
    {"PhoneOffice", "PHONE_OFFICE"},
    {"DisplayName", "DISPLAYNAME"},
}};

bool allDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Takes the next space-separated word off the front of `rest`.
QStringView takeWord(QStringView& rest) {
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    QStringView word = space < 0 ? rest : rest.left(space);
    rest = space < 0 ? QStringView() : rest.mid(space + 1);
    return word;
}

// "<KEYWORD> <subject> <PROP> <value>" with the keyword and property fixed:
// the subject and the value.
std::optional<std::pair<QStringView, QStringView>>
splitPropertyLine(QStringView body, QLatin1String keyword, QStringView property) {
    QStringView rest = body;
    if (takeWord(rest) != keyword)
        return std::nullopt;
    const qsizetype subjectEnd = rest.indexOf(QLatin1Char(' '));
    if (subjectEnd <= 0)
        return std::nullopt;
    const QStringView subject = rest.left(subjectEnd);
    rest = rest.mid(subjectEnd + 1);
    const qsizetype propertyEnd = rest.indexOf(QLatin1Char(' '));
    const QStringView prop = propertyEnd < 0 ? rest : rest.left(propertyEnd);
    if (prop != property)
        return std::nullopt;
    return std::make_pair(subject, propertyEnd < 0 ? QStringView() : rest.mid(propertyEnd + 1));
}

} // namespace

QString withId(qint64 id, const QString& command) {
    return QLatin1Char('#') + QString::number(id) + QLatin1Char(' ') + command;
}

std::optional<Tagged> splitId(const QString& line) {
    if (!line.startsWith(QLatin1Char('#')))
        return Tagged{std::nullopt, line};
    QStringView rest = QStringView(line).mid(1);
    const QStringView digits = takeWord(rest);
    if (!allDigits(digits) || digits.size() > 18)
        return std::nullopt;
    return Tagged{digits.toLongLong(), rest.toString()};
}

std::optional<Error> parseError(const QString& body) {
    QStringView rest = body;
    if (takeWord(rest) != QLatin1String("ERROR"))
        return std::nullopt;
    const QStringView code = takeWord(rest);
    if (!allDigits(code) || code.size() > 9)
        return std::nullopt;
    return Error{code.toInt(), rest.toString()};
}

NameAnswer parseNameAnswer(const QString& body) {
    if (body == QLatin1String("OK"))
        return NameAnswer::Allowed;
    if (body == QLatin1String("CONNSTATUS OFFLINE"))
        return NameAnswer::Offline;
    if (const auto error = parseError(body); error && error->code == 68)
        return NameAnswer::Refused;
    return NameAnswer::Malformed;
}

std::optional<int> parseProtocol(const QString& body) {
    QStringView rest = body;
    if (takeWord(rest) != QLatin1String("PROTOCOL"))
        return std::nullopt;
    const qsizetype lastSpace = rest.lastIndexOf(QLatin1Char(' '));
    const QStringView last = lastSpace < 0 ? rest : rest.mid(lastSpace + 1);
    if (!allDigits(last) || last.size() > 6)
        return std::nullopt;
    return last.toInt();
}

std::optional<QStringList> parseUsers(const QString& body) {
    if (body == QLatin1String("USERS") || body == QLatin1String("USERS "))
        return QStringList();
    if (!body.startsWith(QLatin1String("USERS ")))
        return std::nullopt;
    QStringList handles = body.mid(6).split(QLatin1String(", "));
    for (const QString& handle : handles)
        if (handle.isEmpty() || handle.contains(QLatin1Char(' ')) ||
            handle.contains(QLatin1Char(',')))
            return std::nullopt;
    return handles;
}

std::optional<QString> parseUserProperty(const QString& body, const QString& handle,
                                         const QString& property) {
    const auto parts = splitPropertyLine(body, QLatin1String("USER"), property);
    if (!parts || parts->first.compare(handle, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return parts->second.toString();
}

std::optional<QString> parseCallProperty(const QString& body, qint64 callId,
                                         const QString& property) {
    const auto parts = splitPropertyLine(body, QLatin1String("CALL"), property);
    if (!parts)
        return std::nullopt;
    const auto id = parseCallId(parts->first.toString());
    if (!id || *id != callId)
        return std::nullopt;
    return parts->second.toString();
}

int callStatusCode(const QString& word) {
    for (const auto& [name, code] : statusWords)
        if (word == QLatin1String(name))
            return code;
    return -1;
}

bool isKnownCallStatus(const QString& word) {
    for (const auto& entry : statusWords)
        if (word == QLatin1String(entry.first))
            return true;
    return false;
}

std::optional<int> parseCallStatusWord(const QString& word) {
    if (word.isEmpty() || word.size() > 64)
        return std::nullopt;
    for (QChar c : word)
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
              (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')))
            return std::nullopt;
    return callStatusCode(word);
}

std::optional<CallStatusNotice> parseCallStatusNotice(const QString& body) {
    const auto parts = splitPropertyLine(body, QLatin1String("CALL"), u"STATUS");
    if (!parts)
        return std::nullopt;
    const auto id = parseCallId(parts->first.toString());
    const QString word = parts->second.toString();
    if (!id || !isKnownCallStatus(word))
        return std::nullopt;
    return CallStatusNotice{*id, callStatusCode(word)};
}

bool looksLikeCallStatus(const QString& body) {
    QStringView rest = body;
    if (takeWord(rest) != QLatin1String("CALL"))
        return false;
    takeWord(rest);
    return takeWord(rest) == QLatin1String("STATUS");
}

std::optional<QString> userPropertyName(const QString& automationName) {
    for (const auto& [name, wire] : userProperties)
        if (automationName == QLatin1String(name))
            return QString::fromLatin1(wire);
    return std::nullopt;
}

int sexCode(const QString& value) {
    if (value == QLatin1String("MALE"))
        return 0;
    if (value == QLatin1String("FEMALE"))
        return 1;
    return -1;
}

QString countryName(const QString& value, int protocol) {
    if (protocol < 4)
        return value;
    // "ee Estonia": a two-letter code, then the name (which may be missing).
    const QStringView code = QStringView(value).left(2);
    const bool coded = code.size() == 2 && code[0].isLetter() && code[1].isLetter() &&
                       (value.size() == 2 || value[2] == QLatin1Char(' '));
    return coded ? value.mid(3) : value;
}

std::optional<QDate> parseBirthday(const QString& value) {
    if (value.isEmpty() || value == QLatin1String("0"))
        return QDate();
    if (value.size() != 8 || !allDigits(value))
        return std::nullopt;
    const QDate date = QDate::fromString(value, QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<qint64> parseCallId(const QString& text) {
    if (!allDigits(text) || text.size() > 10)
        return std::nullopt;
    const qint64 id = text.toLongLong();
    if (id > 0xFFFFFFFFLL)
        return std::nullopt;
    return id;
}

} // namespace ApiProtocol
