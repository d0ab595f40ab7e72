#pragma once

#include "platform/notification_icon.h"

#include <QIcon>
#include <QString>

#include <vector>

// A notification area that records what the program put in and took out. The
// test plays the user with act(), which reaches the program only while the icon
// is shown, as on a desktop.
class RecordingNotificationIcon : public NotificationIcon {
public:
    struct Added {
        QIcon icon;
        QString tip;
    };
    // Whether the desktop has a notification area.
    bool available = true;
    std::vector<Added> added;
    int removals = 0;
    bool shown = false;

    bool isAvailable() const override { return available; }
    void add(const QIcon& icon, const QString& tip) override {
        added.push_back({icon, tip});
        shown = true;
    }
    void remove() override {
        ++removals;
        shown = false;
    }
    void act(Action action) {
        if (shown)
            emit activated(action);
    }
};
