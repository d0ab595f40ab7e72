#include "dbus_desktop_notifications.h"

#include "platform/product.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

Q_LOGGING_CATEGORY(lcNotifications, "pellorin.notifications", QtInfoMsg)

const QString DbusDesktopNotifications::DesktopEntry =
    QStringLiteral("example.pellorin.Pellorin");
const QString DbusDesktopNotifications::IconName = QStringLiteral("pellorin");

DbusDesktopNotifications::DbusDesktopNotifications(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)) {}

void DbusDesktopNotifications::notify(const QString& summary, const QString& body) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), DesktopEntry}};
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    message << Product::name << 0u << IconName << summary << body << QStringList() << hints
            << -1;
    if (!m_bus.isConnected()) {
        if (!m_failureLogged)
            qCInfo(lcNotifications).noquote()
                << "No session bus: Pellorin shows no desktop notifications.";
        m_failureLogged = true;
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (!reply.isError()) {
                    m_failureLogged = false;
                    return;
                }
                if (m_failureLogged)
                    return;
                m_failureLogged = true;
                qCInfo(lcNotifications).noquote()
                    << QStringLiteral("The desktop showed no notification (%1: %2).")
                           .arg(reply.error().name(), reply.error().message());
            });
}
