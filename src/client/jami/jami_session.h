#pragma once

#include "client/automation.h"
#include "client/call_ages.h"
#include "client/jami/jami_bus.h"
#include "client/jami/jami_names.h"
#include "client/link_events.h"
#include "client/link_listeners.h"
#include "platform/run_time_error.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class JamiCall;

// How long the link to jamid waits (tests shorten them).
struct JamiTimeouts {
    int commandMs = 5000; // any method call: wait this long for jamid's reply
};

// Call statuses this link gives besides ringing (4) and in progress (5).
namespace JamiCallStatus {
inline constexpr int Finished = 7; // a call that was in progress has ended
inline constexpr int Missed = 8;   // a call that ended before it was in progress
} // namespace JamiCallStatus

// A call of jamid: its account's id and its own id.
using JamiCallKey = std::pair<QString, QString>;

// The handle of a peer as jamid writes it ("Alice <sip:alice@host:5060;x=y>",
// "ring:1234...", "1234...@ring.dht"): without display name, scheme, parameters
// or Jami's @ring.dht, the way the contact list writes it.
QString jamiHandle(const QString& peer);

// The handle a call from the address `typed` rings with: a Jami ID (in lower
// case), or user@host of a SIP caller without the port, which jamid leaves out
// of a SIP caller's PEER_NUMBER. Empty when the address is neither.
QString jamiCallerHandle(const QString& typed);

// The one link to jamid, shared by every automation object of one factory. It
// follows jamid's call signals, keeps what it has seen of each incoming call
// (the newest 512), calls jamid's methods and waits for their replies, and
// turns the signals into events of the objects that attached.
//
// Attaching only subscribes (jamid asks nothing): status 0 at once when jamid
// runs, 3 when not. jamid's name losing its owner raises 3 once on every
// attached object, which raise nothing more until they attach again (but
// ClientAvailable once when the name has an owner again); the calls of that
// jamid are forgotten.
//
// Events are queued and raised from the event loop, never from inside the call
// that causes them, and are held back while a method call waits.
//
// Names of Jami contacts: the first time an ID is shown, its name is asked of
// the name server of the account it is a contact of (lookupAddress; jamid
// answers with registeredNameFound), and a profile jamid keeps for it is read
// (from the event loop, soon after);
// profiles that arrive later (profileReceived) are read too. Nothing waits for
// a name; namesChanged() says that one came. A look-up that failed, or that the
// name server has not answered, is asked again when the contacts are next read.
class JamiSession : public QObject, public std::enable_shared_from_this<JamiSession> {
    Q_OBJECT
public:
    static constexpr int KeptCalls = CallAges<JamiCallKey>::Kept;

    // `videoSource`: the source the video of an answered call names (empty:
    // jamid's default camera).
    explicit JamiSession(std::unique_ptr<JamiBus> bus, JamiTimeouts timeouts = {},
                         QString videoSource = QString());
    ~JamiSession() override;

    bool clientRunning();
    void attach(Automation* object, int protocol, bool wait);
    // The object no longer raises events (it is going away).
    void forget(Automation* object);

    // The handles of the contacts of jamid's enabled accounts, account by
    // account, each once (banned ones left out).
    QStringList contacts();
    // What the windows show for `handle` (see JamiNames::shown); asks for the
    // name of an ID not asked for yet.
    QString shownName(const QString& handle);
    const JamiNames& names() const { return m_names; }

    // The caller's handle. jamid's ring gives the call's PEER_NUMBER; only
    // when it names nobody is jamid asked (a round trip to a daemon that is
    // busy setting up the call, a millisecond or more).
    QString partnerHandle(const JamiCallKey& key);
    // What the session has seen of the call (-1 once forgotten).
    int callStatus(const JamiCallKey& key);
    // Answers with the offered media, the user's video muted. Nothing to answer
    // (answered already, or the caller gave up) is no failure: false.
    bool answer(const JamiCallKey& key);
    // Unmutes the user's video in the call.
    void startVideo(const JamiCallKey& key);

signals:
    void namesChanged();

private:
    struct CallEntry {
        JamiDetailsList offer; // the media the caller offered
        QString handle;        // the caller: as the ring said, else jamid's PEER_NUMBER
        int status = CallStatusCode::Ringing;
        std::weak_ptr<JamiCall> call; // the object events carry, while anyone holds it
    };

    // Calls a method and waits for its reply; throws RunTimeError when there is
    // none, it is a failure, or it has fewer values than `replyValues`.
    QVariantList invoke(JamiBus::Manager manager, const QString& method, const QVariantList& args,
                        int replyValues = 1);
    template <class T>
    T invokeFor(JamiBus::Manager manager, const QString& method, const QVariantList& args);
    RunTimeError notRunning() const;

    void onSignal(const QString& name, const QVariantList& args);
    void onIncoming(const QVariantList& args);
    void onStateChanged(const QVariantList& args);
    void onDaemonChanged(bool present);
    void onNameFound(const QVariantList& args);
    void onProfile(const QVariantList& args);
    void lookUpName(const QString& id);
    void readStoredProfile(const QString& account, const QString& id);
    void readProfilesAsked();

    // The call, while the session knows it; throws when it does not.
    const CallEntry& entry(const JamiCallKey& key);
    bool ended(const JamiCallKey& key) const;
    QString callerText(const JamiCallKey& key) const;
    void raiseCallStatus(const JamiCallKey& key, int status);

    std::unique_ptr<JamiBus> m_bus;
    JamiTimeouts m_timeouts;
    QString m_videoSource;
    quint64 m_daemonGeneration = 0; // bumped whenever jamid's name changes hands
    QHash<JamiCallKey, CallEntry> m_calls;
    CallAges<JamiCallKey> m_callAges;
    LinkEvents m_events;
    LinkListeners m_listeners;

    JamiNames m_names;
    QHash<QString, QString> m_contactAccount; // a contact's ID: the account it is a contact of
    QString m_nameAccount;         // a Jami account, for the names of IDs that are no contact
    QSet<QString> m_askedNames;    // IDs whose names were asked for
    QSet<QString> m_answeredNames; // IDs the name server knows, or said it does not
    QSet<QString> m_readProfiles;  // IDs whose stored profile was looked for
    QList<std::pair<QString, QString>> m_profilesToRead; // account and ID, read next
};
