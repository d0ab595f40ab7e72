#pragma once

#include "notification_icon.h"

#include <QSystemTrayIcon>

// The notification-area icon through QSystemTrayIcon: a StatusNotifier item when
// the session bus has a StatusNotifier watcher, else (on X11) an icon embedded
// in the freedesktop system tray.
//
// Each action it reports is written to the log category "pellorin.tray" at debug
// level (QT_LOGGING_RULES="pellorin.tray.debug=true").
class QtNotificationIcon : public NotificationIcon {
    Q_OBJECT
public:
    explicit QtNotificationIcon(QObject* parent = nullptr);

    bool isAvailable() const override;
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;

    // Qt's reason for an activation, as this service reports it.
    static Action actionOf(QSystemTrayIcon::ActivationReason reason);

private:
    QSystemTrayIcon* m_icon;
};
