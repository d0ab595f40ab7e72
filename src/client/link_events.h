#pragma once

#include <QObject>

#include <deque>
#include <functional>

// The events of a client link (attachment and call status) and its waits for the
// client, which every backend shares.
//
// Events are raised from the event loop, one for each turn of it, in the order
// they were posted, never from inside the call that posts them. While a wait for
// the client runs, they are held back (unless the wait says otherwise), so a
// handler that waits for a reply is never re-entered by the next event; they
// follow once it has returned.
class LinkEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Raises the event later: `raise` runs from the event loop.
    void post(std::function<void()> raise);

    // Runs the event loop, without user input and with the busy cursor, until
    // `done` holds or `timeoutMs` have passed; `done` is looked at again whenever
    // progressed() is called. Returns done(). Only a command the user gave waits:
    // what the program does by itself sends its request and takes the reply as
    // an event, so it never waits here and never starts a wait inside one.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs, bool deliverEvents = false);

    // How many waits for a client run now, one inside the other, and the most
    // there ever were at once (for the tests and the soak: never more than one).
    static int waitDepth() { return s_depth; }
    static int deepestWait() { return s_deepest; }

    // Something a wait may be waiting for has happened.
    void progressed() { emit progress(); }

signals:
    void progress();

private:
    void scheduleDispatch();
    void dispatch();

    static inline int s_depth = 0;
    static inline int s_deepest = 0;
    std::deque<std::function<void()>> m_events;
    int m_holds = 0;
    bool m_dispatchScheduled = false;
};
