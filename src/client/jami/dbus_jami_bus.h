#pragma once

#include "client/jami/jami_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

#include <memory>

class QDBusServiceWatcher;

// jamid over the D-Bus session bus: it owns `cx.ring.Ring` and serves its
// managers at /cx/ring/Ring/CallManager and /cx/ring/Ring/ConfigurationManager.
// Method calls never start jamid (the bus could start it by activation, and a
// second daemon beside the user's Jami would be a mess): whether it runs is
// asked of the bus (NameHasOwner). Each bus has a connection of its own.
class DBusJamiBus : public JamiBus {
    Q_OBJECT
public:
    static constexpr auto ServiceName = "cx.ring.Ring";

    // Connects to `address`, or to the session bus when it is empty.
    explicit DBusJamiBus(const QString& address = QString());
    ~DBusJamiBus() override;

    void call(Manager manager, const QString& method, const QVariantList& args, int timeoutMs,
              ReplyHandler handler) override;
    bool daemonPresent() override;
    // $XDG_DATA_HOME/jami, where jamid keeps its accounts.
    QString dataDirectory() override;

private slots:
    void onSignal(const QDBusMessage& message);

private:
    QDBusConnection m_bus;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
};
