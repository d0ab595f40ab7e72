#pragma once

#include <QString>

// The desktop's notifications (the bubbles a desktop shows for a moment). Sending
// one never waits and never fails to the caller: a desktop that shows none is
// the notifier's own business (it says so in the log).
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;
    // `body` may be empty: the summary alone is shown.
    virtual void notify(const QString& summary, const QString& body) = 0;
};
