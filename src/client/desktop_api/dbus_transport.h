#pragma once

#include "api_transport.h"

#include <QDBusConnection>
#include <QString>

#include <memory>

class QDBusServiceWatcher;

// The desktop API over the D-Bus session bus. The client owns `com.Skype.API` and
// serves Invoke at /com/Skype; we serve Notify at /com/Skype/Client and accept
// it only from the connection that owns the client's name. Each transport has a
// bus connection of its own.
class DBusTransport : public ApiTransport {
    Q_OBJECT
public:
    static constexpr auto ServiceName = "com.Skype.API";
    static constexpr auto ServicePath = "/com/Skype";
    static constexpr auto ServiceInterface = "com.Skype.API";
    static constexpr auto ClientPath = "/com/Skype/Client";
    static constexpr auto ClientInterface = "com.Skype.API.Client";

    // Connects to `address`, or to the session bus when it is empty.
    explicit DBusTransport(const QString& address = QString());
    ~DBusTransport() override;

    void send(const QString& command, int timeoutMs, ReplyHandler handler) override;
    bool clientPresent() override;

    // Our connection's unique name on the bus (empty when not connected).
    QString busName() const;
    // Called by the exported Notify method.
    void receive(const QString& sender, const QString& line);

private:
    // Records who serves the API now; says so when that changed.
    void setOwner(const QString& owner);

    QDBusConnection m_bus;
    QString m_owner; // unique name of the client's connection, empty when none
    std::unique_ptr<QObject> m_receiver;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
};
