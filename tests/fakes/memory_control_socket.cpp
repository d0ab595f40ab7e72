#include "memory_control_socket.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QStringList>

void MemoryControlSocket::open(const QString&, quint16) {
    ++opened;
    m_open = false;
    m_outgoing.clear();
    m_reader.reset();
    if (stalled)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!listening) {
                emit failed(QStringLiteral("Connection refused"), true);
                return;
            }
            if (unreachable) {
                emit failed(QStringLiteral("Host not found"), false);
                return;
            }
            m_open = true;
            emit connected();
        },
        Qt::QueuedConnection);
}

void MemoryControlSocket::write(const QByteArray& bytes) {
    if (!m_open)
        return;
    m_reader.feed(bytes);
    while (const auto frame = m_reader.next()) {
        const QJsonObject object = QJsonDocument::fromJson(*frame).object();
        Command command{object.value(QLatin1String("command")).toString(),
                        object.value(QLatin1String("params")).toString(),
                        object.value(QLatin1String("token")).toString()};
        commands.push_back(command);
        const std::optional<CtrlProtocol::Response> reply =
            respond ? respond(command) : std::nullopt;
        if (!reply)
            continue;
        const QJsonObject answer{{QStringLiteral("response"), true},
                                 {QStringLiteral("ok"), reply->ok},
                                 {QStringLiteral("data"), reply->data},
                                 {QStringLiteral("token"), command.token}};
        queue(CtrlProtocol::netstring(QJsonDocument(answer).toJson(QJsonDocument::Compact)));
    }
}

void MemoryControlSocket::close() {
    m_open = false;
    m_outgoing.clear();
}

QStringList MemoryControlSocket::names() const {
    QStringList all;
    for (const Command& command : commands)
        all << command.name;
    return all;
}

void MemoryControlSocket::sendEvent(const QString& type, const QString& callId,
                                    const QString& peerUri, const QString& param,
                                    const QString& direction) {
    const QJsonObject event{{QStringLiteral("event"), true},
                            {QStringLiteral("type"), type},
                            {QStringLiteral("class"), QStringLiteral("call")},
                            {QStringLiteral("accountaor"), QStringLiteral("sip:bob@example.org")},
                            {QStringLiteral("direction"), direction},
                            {QStringLiteral("peeruri"), peerUri},
                            {QStringLiteral("id"), callId},
                            {QStringLiteral("param"), param}};
    queue(CtrlProtocol::netstring(QJsonDocument(event).toJson(QJsonDocument::Compact)));
}

void MemoryControlSocket::sendBytes(const QByteArray& bytes) {
    queue(bytes);
}

void MemoryControlSocket::hangUp() {
    m_closing = true;
    queue({});
}

void MemoryControlSocket::queue(const QByteArray& bytes) {
    if (!m_open)
        return;
    m_outgoing += bytes;
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &MemoryControlSocket::deliver, Qt::QueuedConnection);
}

void MemoryControlSocket::deliver() {
    m_scheduled = false;
    if (!m_open)
        return;
    const QByteArray bytes = std::exchange(m_outgoing, {});
    if (!bytes.isEmpty())
        emit received(bytes);
    if (m_closing && m_open) {
        m_closing = false;
        m_open = false;
        emit closed(QStringLiteral("baresip closed the connection"));
    }
}
