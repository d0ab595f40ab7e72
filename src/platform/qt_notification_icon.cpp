#include "qt_notification_icon.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcTray, "pellorin.tray", QtWarningMsg)
} // namespace

QtNotificationIcon::QtNotificationIcon(QObject* parent)
    : NotificationIcon(parent), m_icon(new QSystemTrayIcon(this)) {
    // Queued: the one who hears of an action may well remove the icon, and on X11
    // removing it deletes the very window whose mouse event reports the action.
    connect(
        m_icon, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            const Action action = actionOf(reason);
            qCDebug(lcTray) << "activated" << action;
            emit activated(action);
        },
        Qt::QueuedConnection);
}

bool QtNotificationIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtNotificationIcon::add(const QIcon& icon, const QString& tip) {
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
    qCDebug(lcTray) << "added";
}

void QtNotificationIcon::remove() {
    if (m_icon->isVisible())
        qCDebug(lcTray) << "removed";
    m_icon->hide();
}

NotificationIcon::Action QtNotificationIcon::actionOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return Action::Trigger;
    case QSystemTrayIcon::Context:
        return Action::Context;
    case QSystemTrayIcon::DoubleClick:
        return Action::DoubleClick;
    case QSystemTrayIcon::MiddleClick:
        return Action::MiddleClick;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return Action::Unknown;
}
