#include "tcp_control_socket.h"

#include "platform/tcp_ack.h"

TcpControlSocket::TcpControlSocket(QObject* parent) : ControlSocket(parent) {
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_state = State::Open;
        // Commands are small and each one is waited for: send them at once.
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit connected();
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = m_socket.readAll();
        // baresip writes an event and a reply, or several events, in a row.
        acknowledgeReceivedAtOnce(m_socket.socketDescriptor());
        if (!bytes.isEmpty())
            emit received(bytes);
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TcpControlSocket::onError);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TcpControlSocket::onDisconnected);
}

void TcpControlSocket::open(const QString& host, quint16 port) {
    m_state = State::Idle;
    m_socket.abort();
    m_state = State::Connecting;
    m_socket.connectToHost(host, port);
}

void TcpControlSocket::write(const QByteArray& bytes) {
    if (m_state != State::Open)
        return;
    m_socket.write(bytes);
    m_socket.flush();
}

void TcpControlSocket::close() {
    m_state = State::Idle;
    m_socket.abort();
}

void TcpControlSocket::readArrived() {
    if (m_state == State::Open)
        m_socket.waitForReadyRead(0);
}

void TcpControlSocket::onError(QAbstractSocket::SocketError error) {
    const State before = m_state;
    // A look for data that found none (readArrived) is no failure.
    if (before == State::Idle || error == QAbstractSocket::SocketTimeoutError)
        return;
    m_state = State::Idle;
    const QString why = m_socket.errorString();
    if (before == State::Connecting)
        emit failed(why, error == QAbstractSocket::ConnectionRefusedError);
    else
        emit closed(error == QAbstractSocket::RemoteHostClosedError
                        ? QStringLiteral("baresip closed the connection")
                        : why);
}

void TcpControlSocket::onDisconnected() {
    if (m_state != State::Open)
        return;
    m_state = State::Idle;
    emit closed(QStringLiteral("baresip closed the connection"));
}
