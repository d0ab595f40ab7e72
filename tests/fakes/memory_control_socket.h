#pragma once

#include "client/baresip/control_socket.h"
#include "client/baresip/ctrl_protocol.h"
#include "client/baresip/netstring_reader.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// baresip's control socket over memory: a peer that tests script. What the peer
// sends arrives from the event loop, in order (or at once on readArrived, as
// bytes that were waiting in the system would).
class MemoryControlSocket : public ControlSocket {
    Q_OBJECT
public:
    struct Command {
        QString name;
        QString params;
        QString token;
    };

    // Nothing listening: opening fails as refused.
    bool listening = true;
    // The host cannot be reached: opening fails, not as refused.
    bool unreachable = false;
    // Opening never completes.
    bool stalled = false;
    // Answers a command; nothing: it is never answered.
    std::function<std::optional<CtrlProtocol::Response>(const Command&)> respond;
    // Every command received, in order.
    std::vector<Command> commands;
    int opened = 0;

    void open(const QString& host, quint16 port) override;
    void write(const QByteArray& bytes) override;
    void close() override;
    void readArrived() override { deliver(); }

    bool isOpen() const { return m_open; }
    // The command names received, e.g. {"listcalls", "callfind", ...}.
    QStringList names() const;

    // The peer sends an event about a call.
    void sendEvent(const QString& type, const QString& callId, const QString& peerUri = {},
                   const QString& param = {},
                   const QString& direction = QStringLiteral("incoming"));
    // The peer sends these bytes as they are.
    void sendBytes(const QByteArray& bytes);
    // The peer closes the connection.
    void hangUp();

private:
    void queue(const QByteArray& bytes);
    void deliver();

    bool m_open = false;
    NetstringReader m_reader;
    QByteArray m_outgoing;
    bool m_closing = false;
    bool m_scheduled = false;
};
