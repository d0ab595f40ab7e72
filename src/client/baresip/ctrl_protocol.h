#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// baresip's control socket (its ctrl_tcp module): JSON messages, each in a
// netstring. We send {"command", "params", "token"}; baresip answers
// {"response": true, "ok", "data", "token"} and, unasked, sends events
// {"event": true, "type", "class", "accountaor", "direction", "peeruri", "id",
// "param"}. Formatting and parsing only (QtCore), so that everything baresip
// may send can be checked on its own. No parser throws; each returns nothing for
// what it cannot read.
namespace CtrlProtocol {

// The netstring holding `payload`.
QByteArray netstring(const QByteArray& payload);
// One command, framed. `params` is left out when empty.
QByteArray encodeCommand(const QString& command, const QString& params, const QString& token);

struct Response {
    bool ok = false;
    QString data;
    QString token;
};

struct Event {
    QString type; // CALL_INCOMING, CALL_ESTABLISHED, CALL_CLOSED, ...
    QString callId;
    QString direction; // "incoming" or "outgoing"
    QString peerUri;
    QString param;
    QString accountAor;
};

struct Message {
    enum class Kind { Response, Event, Other };
    Kind kind = Kind::Other;
    Response response;
    Event event;
};

// One frame's payload. Nothing when it is not a JSON object; Kind::Other for an
// object that is neither a response nor an event.
std::optional<Message> parseMessage(const QByteArray& payload);

// The handle of a SIP address: "user@host", the port kept when there is one;
// without display name, angle brackets, scheme, password, parameters or headers.
// An address without a user part keeps what it has ("host", "+4930123").
QString handleFromUri(const QString& uri);

struct Contact {
    QString displayName;
    QString uri;
};
// The reply to "contacts": one contact per line, "> " or two spaces, the display
// name, and the address in angle brackets. Lines that are not contacts are skipped.
QList<Contact> parseContacts(const QString& data);

// The reply to "callfind <id>" names that call as the current one.
bool selectedCall(const QString& data, const QString& callId);
// baresip says it knows no such call, or has no call at all.
bool noSuchCall(const QString& data);
// baresip does not know the command (its module is not loaded).
bool unknownCommand(const QString& data);
// From the reply to "listcalls": whether the current call (the line marked
// '>') is on hold. Nothing when no line is marked.
std::optional<bool> currentCallOnHold(const QString& data);
// From the reply to "video_debug": whether the call's video stream has started.
bool videoStarted(const QString& data);
} // namespace CtrlProtocol
