#include "link_events.h"

#include "platform/busy_cursor.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>

void LinkEvents::post(std::function<void()> raise) {
    m_events.push_back(std::move(raise));
    scheduleDispatch();
}

bool LinkEvents::waitUntil(const std::function<bool()>& done, int timeoutMs, bool deliverEvents) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &LinkEvents::progress, &loop, [&] {
        if (done())
            loop.quit();
    });
    if (!deliverEvents)
        ++m_holds;
    const BusyCursor busy;
    s_deepest = std::max(s_deepest, ++s_depth);
    timer.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    --s_depth;
    if (!deliverEvents && --m_holds == 0 && !m_events.empty())
        scheduleDispatch();
    return done();
}

void LinkEvents::scheduleDispatch() {
    if (m_dispatchScheduled || m_holds > 0)
        return;
    m_dispatchScheduled = true;
    QMetaObject::invokeMethod(this, &LinkEvents::dispatch, Qt::QueuedConnection);
}

void LinkEvents::dispatch() {
    m_dispatchScheduled = false;
    if (m_holds > 0 || m_events.empty())
        return;
    // One event for each turn of the event loop, so that a flood of them does not
    // stop the windows from answering the user meanwhile.
    const std::function<void()> raise = std::move(m_events.front());
    m_events.pop_front();
    const QPointer<LinkEvents> self(this);
    raise();
    if (self && !m_events.empty())
        scheduleDispatch();
}
