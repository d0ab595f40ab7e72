#include "dbus_jami_bus.h"

#include "client/bus_connection.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcJami)

namespace {

QString path(JamiBus::Manager manager) {
    return manager == JamiBus::Manager::Call ? QStringLiteral("/cx/ring/Ring/CallManager")
                                             : QStringLiteral("/cx/ring/Ring/ConfigurationManager");
}

QString interfaceName(JamiBus::Manager manager) {
    return manager == JamiBus::Manager::Call ? QStringLiteral("cx.ring.Ring.CallManager")
                                             : QStringLiteral("cx.ring.Ring.ConfigurationManager");
}

// A value as it came off the bus, as the plain value it stands for; one of a
// type the program does not use stays as it came.
QVariant plain(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return value;
    const auto argument = value.value<QDBusArgument>();
    const QString signature = argument.currentSignature();
    if (signature == QLatin1String("a{ss}")) {
        JamiDetails details;
        argument >> details;
        return QVariant::fromValue(details);
    }
    if (signature == QLatin1String("aa{ss}")) {
        JamiDetailsList list;
        argument >> list;
        return QVariant::fromValue(list);
    }
    return value;
}

QVariantList plain(const QVariantList& values) {
    QVariantList result;
    result.reserve(values.size());
    for (const QVariant& value : values)
        result.append(plain(value));
    return result;
}

} // namespace

DBusJamiBus::DBusJamiBus(const QString& address)
    : m_bus(connectOwnBus(address, QStringLiteral("pellorin-jami"))) {
    qDBusRegisterMetaType<JamiDetails>();
    qDBusRegisterMetaType<JamiDetailsList>();
    if (!m_bus.isConnected()) {
        qCWarning(lcJami) << "The session bus is not reachable:" << m_bus.lastError().message();
        return;
    }
    const QString service = QLatin1String(ServiceName);
    const QString calls = path(Manager::Call);
    const QString callInterface = interfaceName(Manager::Call);
    for (const char* name : {"incomingCallWithMedia", "callStateChanged"})
        m_bus.connect(service, calls, callInterface, QLatin1String(name), this,
                      SLOT(onSignal(QDBusMessage)));
    const QString configuration = path(Manager::Configuration);
    const QString configurationInterface = interfaceName(Manager::Configuration);
    for (const char* name : {"registeredNameFound", "profileReceived"})
        m_bus.connect(service, configuration, configurationInterface, QLatin1String(name), this,
                      SLOT(onSignal(QDBusMessage)));
    m_watcher = std::make_unique<QDBusServiceWatcher>(service, m_bus,
                                                      QDBusServiceWatcher::WatchForOwnerChange);
    connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString& newOwner) {
                if (!oldOwner.isEmpty())
                    emit daemonChanged(false);
                if (!newOwner.isEmpty())
                    emit daemonChanged(true);
            });
}

DBusJamiBus::~DBusJamiBus() {
    m_watcher.reset();
    QDBusConnection::disconnectFromBus(m_bus.name());
}

bool DBusJamiBus::daemonPresent() {
    if (!m_bus.isConnected())
        return false;
    const QDBusReply<bool> owned =
        m_bus.interface()->isServiceRegistered(QLatin1String(ServiceName));
    return owned.isValid() && owned.value();
}

QString DBusJamiBus::dataDirectory() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/jami");
}

void DBusJamiBus::call(Manager manager, const QString& method, const QVariantList& args,
                       int timeoutMs, ReplyHandler handler) {
    if (!m_bus.isConnected()) {
        const QString why = m_bus.lastError().message();
        QTimer::singleShot(0, this, [handler = std::move(handler), why] {
            handler({Failure::NotRunning,
                     {},
                     QStringLiteral("The session bus is not reachable: ") + why});
        });
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(QLatin1String(ServiceName), path(manager),
                                                          interfaceName(manager), method);
    message.setAutoStartService(false);
    message.setArguments(args);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, handler = std::move(handler)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() == QDBusMessage::ReplyMessage) {
                    handler({Failure::None, plain(reply.arguments()), {}});
                    return;
                }
                const QDBusError error = finished->error();
                handler({busCallFailure(error, [this] { return daemonPresent(); }),
                         {},
                         error.message()});
            });
}

void DBusJamiBus::onSignal(const QDBusMessage& message) {
    emit signalled(message.member(), plain(message.arguments()));
}
