#pragma once

#include "client/baresip/ctrl_protocol.h"
#include "client/baresip/netstring_reader.h"
#include "client/baresip/tcp_control_socket.h"

#include <QObject>
#include <QTcpSocket>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// Runs the event loop until `done` or the timeout (a socket's data is taken in
// the moment it arrives; `done` is looked at every millisecond). Whether `done`.
bool spinUntil(const std::function<bool()>& done, int timeoutMs);

// An event as it arrived, with the time it arrived.
struct SeenEvent {
    CtrlProtocol::Event event;
    std::chrono::steady_clock::time_point at;
};

// A test's own connection to a baresip instance's control socket: commands
// with their replies, and every event it sent. Waiting runs the event loop, so
// the program under test goes on meanwhile. Failures throw std::runtime_error.
class BaresipControl : public QObject {
    Q_OBJECT
public:
    bool connectTo(quint16 port, int timeoutMs = 5000);
    bool isOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }

    CtrlProtocol::Response command(const QString& command, const QString& params = QString(),
                                   int timeoutMs = 5000);
    // Sends a command and returns at once (its reply is not waited for).
    void send(const QString& command, const QString& params = QString());

    const std::vector<SeenEvent>& events() const { return m_events; }
    // The first event of `type` about the call `callId` (any call when empty).
    std::optional<SeenEvent> find(const QString& type, const QString& callId = QString()) const;
    bool waitFor(const QString& type, const QString& callId, int timeoutMs);

private:
    void onReadyRead();

    QTcpSocket m_socket;
    NetstringReader m_reader;
    quint64 m_nextToken = 0;
    std::vector<CtrlProtocol::Response> m_replies;
    std::vector<SeenEvent> m_events;
};

// A command as it was written, with the time it was written.
struct SentCommand {
    QString name;
    std::chrono::steady_clock::time_point at;
};

// The program's own control socket, with the events that baresip sent over it
// recorded as they arrive (what baresip told the program) and, when `sent` is
// given, the commands the program wrote as it wrote them.
class TappedControlSocket : public TcpControlSocket {
    Q_OBJECT
public:
    explicit TappedControlSocket(std::vector<SeenEvent>& seen,
                                 std::vector<SentCommand>* sent = nullptr);

    void write(const QByteArray& bytes) override;
    // Sends a command of the tap's own on the program's connection (the
    // program drops its reply, which nobody there waits for); returns its token.
    QString inject(const QString& command, const QString& params = QString());
    // The reply to an injected command, once it has come.
    std::optional<CtrlProtocol::Response> reply(const QString& token) const;
    // When a call from this address comes in, "accept" is injected at once:
    // the quickest answer any program on this connection could give.
    QString acceptCallsFrom;

private:
    std::vector<SeenEvent>& m_seen;
    std::vector<SentCommand>* m_sent;
    std::vector<CtrlProtocol::Response> m_replies;
    int m_injected = 0;
    NetstringReader m_reader;
    NetstringReader m_writeReader;
};

// Finds an event among `seen`.
std::optional<SeenEvent> findEvent(const std::vector<SeenEvent>& seen, const QString& type,
                                   const QString& callId = QString());

// What baresip's "video_debug" says of the current call's video stream.
struct VideoStats {
    bool started = false;
    QString source;       // the source module ("none" when there is none)
    int sourceFrames = 0; // frames the source made
    int sentPackets = 0;  // RTP packets sent
    int receivedPackets = 0;
    int shownFrames = 0; // frames decoded and displayed
};
VideoStats parseVideoStats(const QString& videoDebug);
