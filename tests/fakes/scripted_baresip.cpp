#include "scripted_baresip.h"

#include <QTimer>

namespace {

CtrlProtocol::Response ok(const QString& data = {}) {
    return {true, data, {}};
}

CtrlProtocol::Response refused(const QString& data) {
    return {false, data, {}};
}

} // namespace

ScriptedBaresip::ScriptedBaresip(MemoryControlSocket& socket) : m_socket(socket) {
    m_socket.respond = [this](const MemoryControlSocket::Command& command) {
        if (overrides)
            if (auto reply = overrides(command))
                return reply;
        return respond(command);
    };
}

QString ScriptedBaresip::ring(const QString& peerUri, bool video) {
    Call call;
    call.id = QStringLiteral("call%1").arg(++m_nextId);
    call.peerUri = peerUri;
    call.video = video;
    m_calls.append(call);
    m_current = call.id;
    m_socket.sendEvent(QStringLiteral("CALL_INCOMING"), call.id, peerUri, peerUri);
    return call.id;
}

void ScriptedBaresip::hangUp(const QString& id, bool tell) {
    m_calls.removeIf([&](const Call& call) { return call.id == id; });
    if (m_current == id)
        m_current = m_calls.isEmpty() ? QString() : m_calls.last().id;
    if (tell)
        m_socket.sendEvent(QStringLiteral("CALL_CLOSED"), id, {}, QStringLiteral("bye"));
}

const ScriptedBaresip::Call* ScriptedBaresip::call(const QString& id) const {
    for (const Call& call : m_calls)
        if (call.id == id)
            return &call;
    return nullptr;
}

ScriptedBaresip::Call* ScriptedBaresip::current() {
    for (Call& call : m_calls)
        if (call.id == m_current)
            return &call;
    return nullptr;
}

void ScriptedBaresip::later(std::function<void()> action) {
    QTimer::singleShot(1, &m_socket, std::move(action));
}

std::optional<CtrlProtocol::Response>
ScriptedBaresip::respond(const MemoryControlSocket::Command& command) {
    const QString& name = command.name;
    if (name == QLatin1String("listcalls")) {
        QString listing = QStringLiteral("\n--- Active calls (%1) ---\n").arg(m_calls.size());
        for (qsizetype i = 0; i < m_calls.size(); ++i)
            listing +=
                QStringLiteral("%1 [line %2]  0:00:00  %3  %4  %5\n")
                    .arg(m_calls[i].id == m_current ? QStringLiteral(">") : QStringLiteral(" "))
                    .arg(i + 1)
                    .arg(m_calls[i].established ? QStringLiteral("ESTABLISHED")
                                                : QStringLiteral("INCOMING"))
                    .arg(m_calls[i].onHold ? QStringLiteral("(on hold)") : QString())
                    .arg(m_calls[i].peerUri);
        return ok(listing + QLatin1Char('\n'));
    }
    if (name == QLatin1String("contacts")) {
        QString listing = QStringLiteral("\n--- Contacts (%1) ---\n").arg(contacts.size());
        for (qsizetype i = 0; i < contacts.size(); ++i)
            listing += QStringLiteral("%1 %2 <%3>\n")
                           .arg(i == 0 ? QStringLiteral(">") : QStringLiteral(" "),
                                contacts[i].displayName, contacts[i].uri);
        return ok(listing + QLatin1Char('\n'));
    }
    if (name == QLatin1String("uafind"))
        return command.params == QLatin1String("sip:bob@example.org")
                   ? ok(QStringLiteral("ua: sip:bob@example.org\n"))
                   : refused(QStringLiteral("No such file or directory"));

    // The call commands exist only while there is a call.
    const QStringList callCommands{"callfind", "video_dir", "accept", "resume", "video_debug"};
    if (m_calls.isEmpty() || !callCommands.contains(name))
        return refused(QStringLiteral("command not found (%1)\n").arg(name));

    if (name == QLatin1String("callfind")) {
        if (!call(command.params))
            return ok(QStringLiteral("call not found (id=%1)\n").arg(command.params));
        m_current = command.params;
        return ok(QStringLiteral("setting current call: %1\n").arg(command.params));
    }
    Call* target = current();
    if (!target)
        return refused(QStringLiteral("Invalid argument"));
    const QString id = target->id;
    const auto agree = [this, id] {
        if (callerAgrees)
            later([this, id] {
                if (call(id))
                    m_socket.sendEvent(QStringLiteral("CALL_REMOTE_SDP"), id, {},
                                       QStringLiteral("answer"));
            });
    };
    if (name == QLatin1String("video_dir")) {
        // Not established: nothing to renegotiate (the direction is kept).
        target->videoDir = command.params;
        if (!target->established)
            return refused(QStringLiteral("Invalid argument"));
        agree();
        return ok();
    }
    if (name == QLatin1String("resume")) {
        target->onHold = false;
        target->videoDir = QStringLiteral("sendrecv");
        agree();
        return ok();
    }
    if (name == QLatin1String("video_debug"))
        return ok(target->video ? QStringLiteral("\n--- Video stream ---\n started: yes\n")
                                : QStringLiteral("\n--- Video stream ---\n started: no\n"));

    // accept: the previous call goes on hold first.
    const QString answering = QStringLiteral("sip:bob@example.org: Answering incoming call\n");
    for (qsizetype i = m_calls.size() - 1; i >= 0; --i) {
        Call& previous = m_calls[i];
        if (previous.id == id)
            continue;
        if (!previous.onHold) {
            previous.onHold = true;
            if (!previous.established)
                return ok(answering); // holding a ringing call fails: nothing answered
        }
        break;
    }
    if (target->established)
        return ok(answering);
    m_socket.sendEvent(QStringLiteral("CALL_REMOTE_SDP"), id, {}, QStringLiteral("offer"));
    m_socket.sendEvent(QStringLiteral("CALL_LOCAL_SDP"), id, {}, QStringLiteral("answer"));
    if (callerAgrees)
        later([this, id] {
            for (Call& call : m_calls)
                if (call.id == id && !call.established) {
                    call.established = true;
                    m_socket.sendEvent(QStringLiteral("CALL_ESTABLISHED"), id, call.peerUri,
                                       call.peerUri);
                }
        });
    return ok(answering);
}
