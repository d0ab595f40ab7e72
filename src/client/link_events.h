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
    // progressed() is called. Returns done(). In the background (see Background)
    // the user goes on using the windows meanwhile.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs, bool deliverEvents = false);

    // While one lives, waits for the client are the program's own business, which
    // the user did not ask for and need not wait for (attaching again by itself):
    // no busy cursor, and the windows take input. What the user starts meanwhile
    // waits as usual, with the busy cursor and without input.
    class Background {
    public:
        Background() { ++s_background; }
        ~Background() { --s_background; }
        Background(const Background&) = delete;
        Background& operator=(const Background&) = delete;
    };
    // Something a wait may be waiting for has happened.
    void progressed() { emit progress(); }

signals:
    void progress();

private:
    void scheduleDispatch();
    void dispatch();

    static inline int s_background = 0;
    std::deque<std::function<void()>> m_events;
    int m_holds = 0;
    bool m_dispatchScheduled = false;
};
