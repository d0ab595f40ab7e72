#include "ctrl_protocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>

namespace CtrlProtocol {

namespace {

QString text(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

// Drops a "scheme:" prefix (sip:, sips:, tel:, ...).
QString withoutScheme(const QString& address) {
    const qsizetype colon = address.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return address;
    if (!address[0].isLetter())
        return address;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = address[i];
        if (!(c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
              c == QLatin1Char('.')))
            return address;
    }
    // "host:5060" (no scheme, a port) stays as it is.
    const QStringView rest = QStringView(address).mid(colon + 1);
    if (!rest.isEmpty() &&
        std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isDigit(); }))
        return address;
    return rest.toString();
}

// Cuts `part` at the first ';' or '?' (parameters and headers).
QString withoutParameters(const QString& part) {
    qsizetype end = part.size();
    for (qsizetype i = 0; i < part.size(); ++i)
        if (part[i] == QLatin1Char(';') || part[i] == QLatin1Char('?')) {
            end = i;
            break;
        }
    return part.left(end);
}

QString unescaped(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == QLatin1Char('\\') && i + 1 < name.size())
            ++i;
        out += name[i];
    }
    return out;
}

} // namespace

QByteArray netstring(const QByteArray& payload) {
    return QByteArray::number(payload.size()) + ':' + payload + ',';
}

QByteArray encodeCommand(const QString& command, const QString& params, const QString& token) {
    QJsonObject object{{QStringLiteral("command"), command}, {QStringLiteral("token"), token}};
    if (!params.isEmpty())
        object.insert(QStringLiteral("params"), params);
    return netstring(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<Message> parseMessage(const QByteArray& payload) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    Message message;
    if (object.value(QLatin1String("response")).toBool()) {
        message.kind = Message::Kind::Response;
        message.response.ok = object.value(QLatin1String("ok")).toBool();
        message.response.data = text(object, "data");
        message.response.token = text(object, "token");
    } else if (object.value(QLatin1String("event")).toBool()) {
        message.kind = Message::Kind::Event;
        message.event.type = text(object, "type");
        message.event.callId = text(object, "id");
        message.event.direction = text(object, "direction");
        message.event.peerUri = text(object, "peeruri");
        message.event.param = text(object, "param");
        message.event.accountAor = text(object, "accountaor");
    }
    return message;
}

QString handleFromUri(const QString& uri) {
    QString address = uri.trimmed();
    // "Display Name <sip:...>": the part in the last angle brackets.
    const qsizetype open = address.lastIndexOf(QLatin1Char('<'));
    if (open >= 0) {
        const qsizetype close = address.indexOf(QLatin1Char('>'), open);
        address = address.mid(open + 1, close < 0 ? -1 : close - open - 1).trimmed();
    }
    address = withoutScheme(address);
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at < 0)
        return withoutParameters(address);
    QString user = address.left(at);
    const qsizetype password = user.indexOf(QLatin1Char(':'));
    if (password >= 0)
        user.truncate(password);
    // Parameters of the user part (";" before the '@') go too.
    user = withoutParameters(user);
    return user + QLatin1Char('@') + withoutParameters(address.mid(at + 1));
}

QList<Contact> parseContacts(const QString& data) {
    QList<Contact> contacts;
    const QStringList lines = data.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!(line.startsWith(QLatin1String("> ")) || line.startsWith(QLatin1String("  "))))
            continue;
        const QString entry = line.mid(2).trimmed();
        if (!entry.endsWith(QLatin1Char('>')))
            continue;
        const qsizetype open = entry.lastIndexOf(QLatin1Char('<'));
        if (open < 0)
            continue;
        const QString uri = entry.mid(open + 1, entry.size() - open - 2).trimmed();
        if (uri.isEmpty())
            continue;
        contacts.append({unescaped(entry.left(open).trimmed()), uri});
    }
    return contacts;
}

bool selectedCall(const QString& data, const QString& callId) {
    return !callId.isEmpty() && data.trimmed() == QStringLiteral("setting current call: ") + callId;
}

bool noSuchCall(const QString& data) {
    const QString reply = data.trimmed();
    return reply.startsWith(QLatin1String("call not found")) ||
           reply.startsWith(QLatin1String("command not found")) ||
           reply == QLatin1String("(no active calls)");
}

bool unknownCommand(const QString& data) {
    return data.trimmed().startsWith(QLatin1String("command not found"));
}

std::optional<bool> currentCallOnHold(const QString& data) {
    const QStringList lines = data.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("> [line ")))
            return line.contains(QLatin1String("(on hold)"));
    return std::nullopt;
}

bool videoStarted(const QString& data) {
    const QStringList lines = data.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (line.trimmed().startsWith(QLatin1String("started:")))
            return line.trimmed() == QLatin1String("started: yes");
    return false;
}

} // namespace CtrlProtocol
