#include "dbus_transport.h"

#include "client/bus_connection.h"

#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcLink)

// The object the client calls with its notifications.
class NotifyReceiver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.Skype.API.Client")
public:
    explicit NotifyReceiver(DBusTransport& transport) : m_transport(transport) {}

public slots:
    void Notify(const QString& line) { m_transport.receive(message().service(), line); }

private:
    DBusTransport& m_transport;
};

DBusTransport::DBusTransport(const QString& address)
    : m_bus(connectOwnBus(address, QStringLiteral("pellorin-link"))) {
    if (!m_bus.isConnected()) {
        qCWarning(lcLink) << "The session bus is not reachable:" << m_bus.lastError().message();
        return;
    }
    m_receiver = std::make_unique<NotifyReceiver>(*this);
    m_bus.registerObject(QLatin1String(ClientPath), m_receiver.get(),
                         QDBusConnection::ExportAllSlots);
    m_watcher = std::make_unique<QDBusServiceWatcher>(QLatin1String(ServiceName), m_bus,
                                                      QDBusServiceWatcher::WatchForOwnerChange);
    // The signal may be stale by the time it is handled (the client may have
    // gone and come back meanwhile): it only prompts a fresh look.
    connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this] { clientPresent(); });
    clientPresent();
}

DBusTransport::~DBusTransport() {
    m_watcher.reset();
    if (m_bus.isConnected())
        m_bus.unregisterObject(QLatin1String(ClientPath));
    m_receiver.reset();
    QDBusConnection::disconnectFromBus(m_bus.name());
}

QString DBusTransport::busName() const {
    return m_bus.isConnected() ? m_bus.baseService() : QString();
}

bool DBusTransport::clientPresent() {
    if (!m_bus.isConnected())
        return false;
    const QDBusReply<QString> owner = m_bus.interface()->serviceOwner(QLatin1String(ServiceName));
    setOwner(owner.isValid() ? owner.value() : QString());
    return !m_owner.isEmpty();
}

void DBusTransport::send(const QString& command, int timeoutMs, ReplyHandler handler) {
    if (!m_bus.isConnected()) {
        const QString why = m_bus.lastError().message();
        QTimer::singleShot(0, this, [handler = std::move(handler), why] {
            handler(
                {Failure::NotRunning, QStringLiteral("The session bus is not reachable: ") + why});
        });
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(ServiceName), QLatin1String(ServicePath),
                                       QLatin1String(ServiceInterface), QStringLiteral("Invoke"));
    call.setAutoStartService(false);
    call << command;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, timeoutMs), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this,
        [this, handler = std::move(handler)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            const QDBusPendingReply<QString> reply = *finished;
            if (!reply.isError()) {
                handler({Failure::None, reply.value()});
                return;
            }
            const QDBusError error = reply.error();
            handler({busCallFailure(error, [this] { return clientPresent(); }), error.message()});
        });
}

void DBusTransport::receive(const QString& sender, const QString& line) {
    if (m_owner.isEmpty() || sender != m_owner) {
        // The owner may have changed since we last looked.
        clientPresent();
        if (m_owner.isEmpty() || sender != m_owner) {
            qCWarning(lcLink) << "Ignored a notification from" << sender
                              << "which does not serve the desktop API";
            return;
        }
    }
    emit notification(line);
}

void DBusTransport::setOwner(const QString& owner) {
    if (owner == m_owner)
        return;
    m_owner = owner;
    emit clientChanged(!owner.isEmpty());
}

#include "dbus_transport.moc"
