#pragma once

#include "client/automation.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class LinkEvents;

// The automation objects that asked a session to attach, and the events raised
// on them; every backend's session keeps one.
//
// Only a listening object raises call events, and only while it still listens
// when the event's turn comes. An attachment status reaches its object even
// when it no longer listens (status 3 as its attachment ends). Objects whose
// attachment ended because the client went are remembered, and hear when a
// client is there again.
class LinkListeners {
public:
    // Events go through `events`; `keepAlive` gives the session, which is held
    // while an event is raised (a handler may drop the last reference to it).
    LinkListeners(LinkEvents& events, std::function<std::shared_ptr<const void>()> keepAlive);
    // The same for a session that is shared (std::enable_shared_from_this).
    template <class Session>
    LinkListeners(LinkEvents& events, Session* session)
        : LinkListeners(events, [session] {
              return std::shared_ptr<const void>(session->weak_from_this().lock());
          }) {}

    bool contains(Automation* object) const;
    bool empty() const { return m_listeners.empty(); }
    void add(Automation* object);
    // The object is going away: it neither listens nor waits for the client.
    void forget(Automation* object);

    void raiseAttachment(Automation* target, int status);
    void raiseAttachmentToAll(int status);
    void raiseCall(const SkypeCallPtr& call, int status);
    // Every listener hears `status` and listens no more. With status 3 (the
    // client went) they wait for clientBack().
    void detachAll(int status);
    // A client is there again: those left behind by detachAll(3) hear it.
    void clientBack();

private:
    void post(std::function<void()> raise);

    LinkEvents& m_events;
    std::function<std::shared_ptr<const void>()> m_keepAlive;
    std::vector<QPointer<Automation>> m_listeners;
    std::vector<QPointer<Automation>> m_leftBehind;
};
