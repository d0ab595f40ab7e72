#pragma once

#include "memory_control_socket.h"

#include <QList>
#include <QString>

// A control peer that behaves as baresip 1.0.0 does, as far as the program
// uses it: a contact list, calls that ring, a current call that the call
// commands act on, "accept" that first puts the previous call on hold (which
// fails, and then answers nothing, when that call is still ringing), video
// directions that a caller agrees to. Events follow as baresip sends them.
class ScriptedBaresip {
public:
    struct Call {
        QString id;
        QString peerUri;
        bool established = false;
        bool onHold = false;
        bool video = true;
        QString videoDir = QStringLiteral("sendrecv");
    };

    explicit ScriptedBaresip(MemoryControlSocket& socket);

    QList<CtrlProtocol::Contact> contacts;
    // The caller agrees to changed media (and to the answer: the call is then
    // established).
    bool callerAgrees = true;
    // Replies to take before the scripted ones (command name -> reply).
    std::function<std::optional<CtrlProtocol::Response>(const MemoryControlSocket::Command&)>
        overrides;

    // A call rings (it becomes the current call); returns its id.
    QString ring(const QString& peerUri, bool video = true);
    // The caller hangs up. With `tell` false baresip forgets the call before
    // it says so.
    void hangUp(const QString& id, bool tell = true);
    const Call* call(const QString& id) const;

private:
    std::optional<CtrlProtocol::Response> respond(const MemoryControlSocket::Command& command);
    Call* current();
    void later(std::function<void()> action);

    MemoryControlSocket& m_socket;
    QList<Call> m_calls;
    QString m_current;
    int m_nextId = 0;
};
