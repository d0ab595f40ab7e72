#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The byte stream to baresip's control socket. The session (BaresipSession)
// sees only this, so it runs over TCP in the program and over memory in the
// tests.
class ControlSocket : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts connecting (dropping any earlier connection). Exactly one of
    // connected() and failed() follows, from the event loop.
    virtual void open(const QString& host, quint16 port) = 0;
    virtual void write(const QByteArray& bytes) = 0;
    // Drops the connection; no closed() follows.
    virtual void close() = 0;
    // Takes in what has arrived without waiting, for a reader that has not let
    // the event loop run for a while (received() may follow at once).
    virtual void readArrived() = 0;

signals:
    void connected();
    // Connecting failed; `refused` when nothing listens at the address.
    void failed(const QString& why, bool refused);
    void received(const QByteArray& bytes);
    // The connection ended (the peer closed it or it broke).
    void closed(const QString& why);
};
