#pragma once

#include "api_transport.h"
#include "client/automation.h"
#include "client/link_events.h"
#include "client/link_listeners.h"
#include "client/link_error.h"
#include "platform/run_time_error.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class SkypeCall;

// How long the client link waits (tests shorten them).
struct LinkTimeouts {
    int attachWaitMs = 10000; // attach with the wait flag: wait this long for the outcome
    int commandMs = 5000;     // any other command: wait this long for its reply
    int pendingAfterMs = 300; // no answer to NAME by then: the client is asking its user
    int handshakeMs = 300000; // the NAME request itself stays open this long
};


// One conversation with the client, shared by every automation object of one
// factory: the attach handshake, commands and their replies, and the
// notifications, which become events of the objects that attached.
//
// Only an object that asked to attach raises events, and only for that attach:
// when the handshake fails or the client goes away it is told so once and then
// raises nothing until it asks again, except that an object told the client
// went hears once when a client is there again (ClientAvailable). A command of an
// object that never asked (a window reading contacts) attaches the conversation
// as the client requires, but raises nothing on any object.
//
// Events are queued and raised from the event loop, never from inside the call
// that causes them. While a command waits for its reply, events are held back
// (a handler is never re-entered from inside another handler's command); while
// an attach request waits, they are delivered.
class ApiSession : public QObject, public std::enable_shared_from_this<ApiSession> {
    Q_OBJECT
public:
    explicit ApiSession(std::unique_ptr<ApiTransport> transport, LinkTimeouts timeouts = {});
    ~ApiSession() override;

    bool clientRunning();
    // Starts (or joins) the attach handshake for `object`, which from now on
    // raises events. With `wait`, returns when the outcome is known or throws when
    // it is not known in time or the client is not there.
    void attach(Automation* object, int protocol, bool wait);
    // The object no longer raises events (it is going away).
    void forget(Automation* object);
    // Sends a command and returns its reply (without id prefix). Attaches first
    // when not attached yet. Throws RunTimeError for an error reply, a missing
    // client, a timeout or a reply that cannot be read.
    QString command(const QString& command);
    // The protocol version in force (0 before attaching).
    int protocol() const { return m_protocol; }

private:
    enum class Stage { Detached, Naming, Negotiating, Attached };
    struct Outcome {
        int status;
        std::optional<RunTimeError> error;
    };

    void startHandshake(int protocol);
    void onNameReply(const ApiTransport::Reply& reply, int protocol);
    void onProtocolReply(const ApiTransport::Reply& reply);
    void finishHandshake(int status, std::optional<RunTimeError> error);
    std::optional<Outcome> waitForHandshake(int timeoutMs, bool deliverEvents);
    void ensureAttached();
    void onNotification(const QString& line);
    void onClientChanged(bool present);

    std::unique_ptr<ApiTransport> m_transport;
    LinkTimeouts m_timeouts;
    Stage m_stage = Stage::Detached;
    int m_protocol = 0;
    quint64 m_handshake = 0; // bumped by every handshake; stale replies are dropped
    bool m_pendingRaised = false;
    std::optional<Outcome> m_lastOutcome;
    qint64 m_nextId = 0;
    int m_attachWaits = 0;
    LinkEvents m_events;
    LinkListeners m_listeners;
};
