#pragma once

#include "client/automation.h"
#include "client/call_ages.h"
#include "client/link_events.h"
#include "client/link_listeners.h"
#include "ctrl_protocol.h"
#include "netstring_reader.h"
#include "platform/run_time_error.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class BaresipCall;
class ControlSocket;

// How long the link to baresip waits (tests shorten them).
struct BaresipTimeouts {
    int connectMs = 3000;   // connecting to the control socket
    int commandMs = 5000;   // any command: wait this long for its reply
    int callSetupMs = 5000; // an answered call: until it is established, and each
                            // change of its video direction until the caller agrees
};

// Call statuses this link gives besides ringing (4) and in progress (5).
namespace BaresipCallStatus {
inline constexpr int Routing = 1;  // an outgoing call, not answered yet
inline constexpr int Failed = 3;   // an outgoing call that ended unanswered
inline constexpr int Finished = 7; // a call that was in progress has ended
inline constexpr int Missed = 8;   // an incoming call that ended unanswered
} // namespace BaresipCallStatus

// The one connection to baresip's control socket, shared by every automation
// object of one factory (baresip takes one control connection at a time: a
// second one would push the first out). It sends commands and waits for their
// replies, keeps what it has seen of each call, and turns baresip's call events
// into events of the objects that attached.
//
// Events are queued and raised from the event loop, never from inside the call
// that causes them, and are held back while a command waits. Only objects that
// called attach raise them; when the connection closes, each of those raises
// attachment status 3 once, and from then on nothing raises events until an
// object attaches again. Only attaching connects again after the connection has
// closed.
class BaresipSession : public QObject, public std::enable_shared_from_this<BaresipSession> {
    Q_OBJECT
public:
    struct Reply {
        bool ok = false;
        QString data;
    };

    BaresipSession(std::unique_ptr<ControlSocket> socket, QString host, quint16 port,
                   BaresipTimeouts timeouts = {});
    ~BaresipSession() override;

    // Whether baresip listens on the control socket: connects when not
    // connected. False only when nothing listens; other failures throw.
    bool clientRunning();
    // Connects when not connected and checks that baresip answers a command;
    // `object` then raises status 0 and, from then on, call events. baresip not
    // there (nothing listens, the host cannot be reached, no answer in time)
    // raises 3; an answer that turns Pellorin away raises 2. With `wait` it
    // waits for that and throws on a failure; without, it sends and returns,
    // and the status follows from the event loop (an attach still under way is
    // joined, not asked again).
    void attach(Automation* object, int protocol, bool wait);
    // The object no longer raises events (it is going away).
    void forget(Automation* object);

    // Sends the commands (in one write, so that baresip runs them one after the
    // other with nothing in between) and returns their replies. Throws
    // RunTimeError when there is no connection, it closes, or a reply does not
    // come in time.
    std::vector<Reply> commands(const std::vector<std::pair<QString, QString>>& commands);
    Reply command(const QString& command, const QString& params = QString());

    // baresip's contact list, in its order (empty when its contact module is
    // not loaded).
    QList<CtrlProtocol::Contact> contacts();

    // What the session has seen of a call.
    QString partnerHandle(const QString& callId);
    int callStatus(const QString& callId);
    // Answers the call and, once it is established, has the caller take
    // receive-only video: baresip sends the user's video from the answer on,
    // whatever it answered, until the caller agrees. Nothing to answer (the
    // call has ended, or is answered already) is no failure: false.
    bool answer(const QString& callId);
    // Lets the call's video go both ways, so that the user's video is sent.
    void startVideo(const QString& callId);

    QString address() const;

private:
    enum class Link { Never, Connecting, Open, Lost };

    struct CallEntry {
        std::weak_ptr<BaresipCall> call; // the object events carry, while anyone holds it
        QString handle;
        QString accountAor;
        int status = CallStatusCode::Unknown;
        bool incoming = false;
        bool answered = false;  // baresip sent its answer to the caller's offer
        int renegotiations = 0; // the caller's answers to our later offers
        quint64 age = 0;        // when it was added, or when it ended
    };
    class CallInUse;

    // Starts connecting unless a connection is under way; connected() or
    // connectFailed() ends it.
    void startConnecting();
    void connectFailed(const RunTimeError& why);
    // Connects and waits until the connection is there; throws when it is not.
    void open();
    void ensureOpen();
    // The attach without wait: asks baresip whether it answers, and tells the
    // objects waiting for that (m_attaching) when it knows.
    void attachLater(Automation* object);
    void continueAttach();
    void sendProbe();
    void finishAttach(int status, const QString& why);
    RunTimeError lostError() const;
    RunTimeError notRunning() const;
    UiText refusalText(const QString& answer) const;
    void onReceived(const QByteArray& bytes);
    void onFrame(const QByteArray& frame);
    void onEvent(const CtrlProtocol::Event& event);
    void onClosed(const QString& why);
    void dropConnection(const QString& why);
    // Drops the oldest calls of one kind beyond the bound.
    void trim(CallAges<QString>& ages);

    const CallEntry* find(const QString& callId) const;
    // The call, on this connection; throws when the connection is gone or the
    // call is not known on it.
    const CallEntry& knownCall(const QString& callId);
    bool ended(const CallEntry& record) const;
    // Makes the call the current one (baresip's call commands act on that).
    // False when baresip no longer has the call.
    bool select(const QString& callId);
    // Waits until `done` holds for the call, or it has ended or gone. Throws
    // when the connection closes meanwhile.
    bool waitForCall(const QString& callId, const std::function<bool(const CallEntry&)>& done,
                     int timeoutMs);
    // Sends a command that changes the current call's media, and waits until
    // the caller has answered the new offer. Returns baresip's reply; when it
    // refused, there is nothing to wait for.
    Reply renegotiate(const QString& callId, const QString& command, const QString& params);
    bool hasVideo(const QString& callId);
    QString callerText(const QString& callId);

    void raiseCallStatus(const QString& callId, int status);

    std::unique_ptr<ControlSocket> m_socket;
    QString m_host;
    quint16 m_port;
    BaresipTimeouts m_timeouts;
    Link m_link = Link::Never;
    Link m_linkBefore = Link::Never; // while connecting: what it goes back to
    quint64 m_connectAttempt = 0;
    std::optional<RunTimeError> m_connectError; // why the last connection failed
    std::vector<QPointer<Automation>> m_attaching;
    QString m_probeToken; // the attach's "listcalls", while it waits for its reply
    QString m_lostReason;
    QString m_unreadable; // the last frame that could not be read, quoted
    NetstringReader m_reader;
    quint64 m_nextToken = 0;
    QHash<QString, std::optional<Reply>> m_pending;
    QHash<QString, CallEntry> m_calls;
    // The ids in the table by age, oldest first: calls that ring or are in
    // progress, and calls that have ended.
    CallAges<QString> m_goingOn;
    CallAges<QString> m_ended;
    QHash<QString, int> m_inUse; // calls that running commands use, and how many
    LinkEvents m_events;
    LinkListeners m_listeners;
};
