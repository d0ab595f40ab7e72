#pragma once

#include "desktop_notifications.h"

#include <QDBusConnection>
#include <QObject>

// Notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus), with the program's icon and
// desktop entry. Each one is sent and forgotten: the reply, or the error when no
// service answers, comes back later as an event; only the first error of a run
// goes to the log, once more after a notification got through again.
class DbusDesktopNotifications : public QObject, public DesktopNotifications {
    Q_OBJECT
public:
    explicit DbusDesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus(),
                                      QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body) override;

    // The desktop entry's name and the icon's, as installed.
    static const QString DesktopEntry;
    static const QString IconName;

private:
    QDBusConnection m_bus;
    bool m_failureLogged = false;
};
