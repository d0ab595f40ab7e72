#pragma once

#include "control_socket.h"

#include <QTcpSocket>

// The control socket over TCP.
class TcpControlSocket : public ControlSocket {
    Q_OBJECT
public:
    explicit TcpControlSocket(QObject* parent = nullptr);

    void open(const QString& host, quint16 port) override;
    void write(const QByteArray& bytes) override;
    void close() override;
    void readArrived() override;

private:
    enum class State { Idle, Connecting, Open };

    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();

    QTcpSocket m_socket;
    State m_state = State::Idle;
};
