#pragma once

#include <QObject>

class QIcon;
class QString;

// The program's icon in the desktop's notification area (the tray). There is at
// most one: adding it again while it is shown keeps the one icon.
class NotificationIcon : public QObject {
    Q_OBJECT
public:
    // What the desktop reports of a mouse action on the icon. It reports actions,
    // not raw presses and releases, and which button movement makes which action
    // is the desktop's choice.
    enum class Action {
        Unknown,     // anything else the desktop reports
        Context,     // the right button: a request for the icon's menu
        DoubleClick, // the left button, twice
        Trigger,     // the left button
        MiddleClick, // the middle button
    };
    Q_ENUM(Action)

    using QObject::QObject;

    // Whether the desktop has a notification area at all. Without one an added
    // icon is never seen.
    virtual bool isAvailable() const = 0;
    // Puts the icon, with its tip, into the notification area.
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    // Takes the icon out; nothing happens when there is none.
    virtual void remove() = 0;

signals:
    // The user did something to the shown icon.
    void activated(NotificationIcon::Action action);
};
