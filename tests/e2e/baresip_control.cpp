#include "baresip_control.h"

#include "platform/tcp_ack.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>

#include <stdexcept>

namespace {

std::optional<SeenEvent> first(const std::vector<SeenEvent>& seen, const QString& type,
                               const QString& callId) {
    for (const SeenEvent& e : seen)
        if (e.event.type == type && (callId.isEmpty() || e.event.callId == callId))
            return e;
    return std::nullopt;
}

void take(NetstringReader& reader, const QByteArray& bytes,
          const std::function<void(const CtrlProtocol::Message&)>& onMessage) {
    reader.feed(bytes);
    while (const auto frame = reader.next())
        if (const auto message = CtrlProtocol::parseMessage(*frame))
            onMessage(*message);
}

int number(const QString& text, const char* pattern) {
    const auto match = QRegularExpression(QLatin1String(pattern)).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    deadline.start(timeoutMs);
    loop.exec();
    return done();
}

std::optional<SeenEvent> findEvent(const std::vector<SeenEvent>& seen, const QString& type,
                                   const QString& callId) {
    return first(seen, type, callId);
}

bool BaresipControl::connectTo(quint16 port, int timeoutMs) {
    connect(&m_socket, &QTcpSocket::readyRead, this, &BaresipControl::onReadyRead,
            Qt::UniqueConnection);
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    if (!m_socket.waitForConnected(timeoutMs))
        return false;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

void BaresipControl::onReadyRead() {
    const QByteArray bytes = m_socket.readAll();
    acknowledgeReceivedAtOnce(m_socket.socketDescriptor());
    take(m_reader, bytes, [this](const CtrlProtocol::Message& message) {
        if (message.kind == CtrlProtocol::Message::Kind::Response)
            m_replies.push_back(message.response);
        else if (message.kind == CtrlProtocol::Message::Kind::Event)
            m_events.push_back({message.event, std::chrono::steady_clock::now()});
    });
}

void BaresipControl::send(const QString& command, const QString& params) {
    m_socket.write(
        CtrlProtocol::encodeCommand(command, params, QStringLiteral("test-%1").arg(++m_nextToken)));
    m_socket.flush();
}

CtrlProtocol::Response BaresipControl::command(const QString& command, const QString& params,
                                               int timeoutMs) {
    send(command, params);
    const QString token = QStringLiteral("test-%1").arg(m_nextToken);
    std::optional<CtrlProtocol::Response> reply;
    spinUntil(
        [&] {
            for (const auto& r : m_replies)
                if (r.token == token)
                    reply = r;
            return reply.has_value() || !isOpen();
        },
        timeoutMs);
    if (!reply)
        throw std::runtime_error(
            QStringLiteral("baresip did not answer \"%1 %2\"").arg(command, params).toStdString());
    return *reply;
}

std::optional<SeenEvent> BaresipControl::find(const QString& type, const QString& callId) const {
    return first(m_events, type, callId);
}

bool BaresipControl::waitFor(const QString& type, const QString& callId, int timeoutMs) {
    return spinUntil([&] { return find(type, callId).has_value(); }, timeoutMs);
}

TappedControlSocket::TappedControlSocket(std::vector<SeenEvent>& seen,
                                         std::vector<SentCommand>* sent)
    : m_seen(seen), m_sent(sent) {
    // Connected before the session connects: it sees each arrival first.
    connect(this, &ControlSocket::received, this, [this](const QByteArray& bytes) {
        const auto now = std::chrono::steady_clock::now();
        take(m_reader, bytes, [&](const CtrlProtocol::Message& message) {
            if (message.kind == CtrlProtocol::Message::Kind::Event) {
                m_seen.push_back({message.event, now});
                if (message.event.type == QLatin1String("CALL_INCOMING") &&
                    !acceptCallsFrom.isEmpty() && message.event.peerUri == acceptCallsFrom)
                    inject(QStringLiteral("accept"));
            } else if (message.kind == CtrlProtocol::Message::Kind::Response &&
                       message.response.token.startsWith(QLatin1String("tap-")))
                m_replies.push_back(message.response);
        });
    });
    connect(this, &ControlSocket::connected, this, [this] {
        m_reader.reset();
        m_writeReader.reset();
    });
}

void TappedControlSocket::write(const QByteArray& bytes) {
    const auto now = std::chrono::steady_clock::now();
    TcpControlSocket::write(bytes);
    if (!m_sent)
        return;
    m_writeReader.feed(bytes);
    while (const auto frame = m_writeReader.next())
        m_sent->push_back(
            {QJsonDocument::fromJson(*frame).object().value(QLatin1String("command")).toString(),
             now});
}

VideoStats parseVideoStats(const QString& text) {
    VideoStats stats;
    stats.started = text.contains(QLatin1String("started: yes"));
    const auto source = QRegularExpression(QStringLiteral("source: (\\S+)")).match(text);
    stats.source = source.hasMatch() ? source.captured(1) : QString();
    stats.sourceFrames = number(text, "source: .* frames=(\\d+)");
    stats.sentPackets = number(text, "TX: packets=(\\d+)");
    stats.receivedPackets = number(text, "psent=\\d+ rcvd=(\\d+)");
    stats.shownFrames = number(text, "vidisp: .* frames=(\\d+)");
    return stats;
}

QString TappedControlSocket::inject(const QString& command, const QString& params) {
    const QString token = QStringLiteral("tap-%1").arg(++m_injected);
    if (m_sent)
        m_sent->push_back({command, std::chrono::steady_clock::now()});
    TcpControlSocket::write(CtrlProtocol::encodeCommand(command, params, token));
    return token;
}

std::optional<CtrlProtocol::Response> TappedControlSocket::reply(const QString& token) const {
    for (const CtrlProtocol::Response& r : m_replies)
        if (r.token == token)
            return r;
    return std::nullopt;
}
