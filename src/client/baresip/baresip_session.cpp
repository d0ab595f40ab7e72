#include "baresip_session.h"

#include "baresip_call.h"
#include "client/link_error.h"
#include "control_socket.h"

#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcBaresip, "pellorin.baresip", QtInfoMsg)

using LinkError::quoted;
using LinkError::seconds;
using LinkError::shownSeconds;

namespace {

// The table of calls keeps the newest calls that ring or are in progress, and
// the newest that have ended (CallAges::Kept of each), besides those that a
// running command uses: calls that never get a close event cannot fill the
// memory.

QString commandText(const std::pair<QString, QString>& command) {
    return command.second.isEmpty() ? command.first
                                    : command.first + QLatin1Char(' ') + command.second;
}

} // namespace

// While it lives, the call's record stays in the table.
class BaresipSession::CallInUse {
public:
    CallInUse(BaresipSession& session, const QString& callId)
        : m_session(session), m_callId(callId) {
        ++m_session.m_inUse[m_callId];
    }
    ~CallInUse() {
        if (--m_session.m_inUse[m_callId] == 0)
            m_session.m_inUse.remove(m_callId);
    }
    CallInUse(const CallInUse&) = delete;
    CallInUse& operator=(const CallInUse&) = delete;

private:
    BaresipSession& m_session;
    QString m_callId;
};

BaresipSession::BaresipSession(std::unique_ptr<ControlSocket> socket, QString host, quint16 port,
                               BaresipTimeouts timeouts)
    : m_socket(std::move(socket)), m_host(std::move(host)), m_port(port), m_timeouts(timeouts),
      m_listeners(m_events, this) {
    connect(m_socket.get(), &ControlSocket::connected, this, [this] {
        if (m_link != Link::Connecting)
            return;
        m_link = Link::Open;
        m_lostReason.clear();
        m_events.progressed();
        continueAttach();
    });
    connect(m_socket.get(), &ControlSocket::failed, this, [this](const QString& why, bool refused) {
        if (m_link != Link::Connecting)
            return;
        if (refused)
            connectFailed(notRunning());
        else
            connectFailed(RunTimeError(
                LinkError::Failed,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError",
                                         "baresip's control socket at %1 cannot be reached: %2"))
                    .arg(address(), why.isEmpty() ? QStringLiteral("connecting failed") : why)));
    });
    connect(m_socket.get(), &ControlSocket::received, this, &BaresipSession::onReceived);
    connect(m_socket.get(), &ControlSocket::closed, this, &BaresipSession::onClosed);
}

BaresipSession::~BaresipSession() {
    // A socket that is still connected says it closed while it is destroyed,
    // when the members that the handler reaches would be gone already. There is
    // nobody left to tell.
    m_socket->disconnect(this);
    m_socket.reset();
}

QString BaresipSession::address() const {
    const QString host =
        m_host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(m_host) : m_host;
    return host + QLatin1Char(':') + QString::number(m_port);
}

RunTimeError BaresipSession::notRunning() const {
    return RunTimeError(
        LinkError::NotRunning,
        UiText("LinkError",
               QT_TRANSLATE_NOOP("LinkError",
                                 "Nothing listens on baresip's control socket at %1: "
                                 "baresip is not running there, or its ctrl_tcp module is "
                                 "not loaded."))
            .arg(address()));
}

RunTimeError BaresipSession::lostError() const {
    return RunTimeError(
        LinkError::ClientQuit,
        UiText("LinkError",
               QT_TRANSLATE_NOOP("LinkError",
                                 "The connection to baresip at %1 has closed (%2). Give the "
                                 "attach command again to connect again."))
            .arg(address(), m_lostReason));
}

void BaresipSession::startConnecting() {
    if (m_link == Link::Connecting)
        return;
    m_linkBefore = m_link;
    m_link = Link::Connecting;
    m_connectError.reset();
    m_reader.reset();
    m_unreadable.clear();
    m_calls.clear();
    m_goingOn.clear();
    m_ended.clear();
    const quint64 attempt = ++m_connectAttempt;
    m_socket->open(m_host, m_port);
    QTimer::singleShot(m_timeouts.connectMs, this, [this, attempt] {
        if (m_link == Link::Connecting && m_connectAttempt == attempt)
            connectFailed(RunTimeError(
                LinkError::Timeout,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError", "baresip's control socket at %1 did not "
                                                      "take the connection within %2."))
                    .arg(address(), shownSeconds(m_timeouts.connectMs))));
    });
}

void BaresipSession::connectFailed(const RunTimeError& why) {
    m_socket->close();
    m_link = m_linkBefore;
    m_connectError = why;
    m_events.progressed();
    continueAttach();
}

void BaresipSession::open() {
    startConnecting();
    // The connection's own time limit ends the wait; the margin only guards
    // against a socket that says nothing at all.
    m_events.waitUntil([this] { return m_link != Link::Connecting; }, m_timeouts.connectMs + 1000);
    if (m_link == Link::Connecting)
        connectFailed(RunTimeError(
            LinkError::Timeout,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError", "baresip's control socket at %1 did not take "
                                                  "the connection within %2."))
                .arg(address(), shownSeconds(m_timeouts.connectMs))));
    if (m_link == Link::Open)
        return;
    throw m_connectError ? *m_connectError : lostError();
}

void BaresipSession::ensureOpen() {
    if (m_link == Link::Open)
        return;
    if (m_link == Link::Lost)
        throw lostError();
    open(); // nobody has attached yet: reading the contacts connects
}

bool BaresipSession::clientRunning() {
    if (m_link == Link::Open)
        return true;
    try {
        open();
    } catch (const RunTimeError& e) {
        if (e.number() == LinkError::NotRunning)
            return false;
        throw;
    }
    return true;
}

void BaresipSession::attach(Automation* object, int /*protocol*/, bool wait) {
    const auto keepAlive = shared_from_this();
    if (!wait) {
        attachLater(object);
        return;
    }
    m_listeners.add(object);
    try {
        if (m_link != Link::Open)
            open();
        // baresip answers a command: it is there, with the module whose commands
        // Pellorin uses.
        const Reply probe = command(QStringLiteral("listcalls"));
        if (!probe.ok)
            throw RunTimeError(LinkError::Failed, refusalText(probe.data));
    } catch (const RunTimeError& e) {
        forget(object);
        // Only an answer that turns Pellorin away is a refusal; baresip not
        // answering at all (stopped, hung, not reachable) is baresip not being
        // there.
        if (e.number() == LinkError::NotRunning)
            m_listeners.raiseAttachment(object, AttachStatus::NotAvailable);
        throw;
    }
    m_listeners.raiseAttachment(object, AttachStatus::Success);
}

void BaresipSession::attachLater(Automation* object) {
    if (std::find(m_attaching.begin(), m_attaching.end(), object) == m_attaching.end())
        m_attaching.emplace_back(object);
    if (!m_probeToken.isEmpty() || m_link == Link::Connecting)
        return; // under way: its outcome is this object's too
    if (m_link == Link::Open)
        sendProbe();
    else
        startConnecting();
}

void BaresipSession::continueAttach() {
    if (m_attaching.empty() || !m_probeToken.isEmpty())
        return;
    if (m_link == Link::Open)
        sendProbe();
    else if (m_connectError && m_connectError->number() == LinkError::NotRunning)
        finishAttach(AttachStatus::NotAvailable, {}); // as usual while it is away: no log line
    else
        finishAttach(AttachStatus::NotAvailable,
                     m_connectError ? m_connectError->description() : lostError().description());
}

void BaresipSession::sendProbe() {
    const QString token = QStringLiteral("pellorin-%1").arg(++m_nextToken);
    m_probeToken = token;
    m_socket->write(CtrlProtocol::encodeCommand(QStringLiteral("listcalls"), {}, token));
    QTimer::singleShot(m_timeouts.commandMs, this, [this, token] {
        if (m_probeToken == token)
            finishAttach(
                AttachStatus::NotAvailable,
                QStringLiteral("baresip did not answer %1 within %2.")
                    .arg(quoted(QStringLiteral("listcalls")), seconds(m_timeouts.commandMs)));
    });
}

void BaresipSession::finishAttach(int status, const QString& why) {
    m_probeToken.clear();
    const std::vector<QPointer<Automation>> objects = std::exchange(m_attaching, {});
    if (!why.isEmpty())
        qCInfo(lcBaresip).noquote() << "Attaching failed:" << why;
    for (const QPointer<Automation>& object : objects) {
        if (!object)
            continue;
        if (status == AttachStatus::Success)
            m_listeners.add(object);
        m_listeners.raiseAttachment(object, status);
    }
}

UiText BaresipSession::refusalText(const QString& answer) const {
    return UiText("LinkError",
                  QT_TRANSLATE_NOOP(
                      "LinkError",
                      "baresip answered the command \"listcalls\" with %1. Pellorin needs "
                      "baresip's menu module."))
        .arg(quoted(answer));
}

void BaresipSession::forget(Automation* object) {
    m_listeners.forget(object);
    m_attaching.erase(std::remove(m_attaching.begin(), m_attaching.end(), object),
                      m_attaching.end());
}

BaresipSession::Reply BaresipSession::command(const QString& command, const QString& params) {
    return commands({{command, params}}).front();
}

std::vector<BaresipSession::Reply>
BaresipSession::commands(const std::vector<std::pair<QString, QString>>& commands) {
    const auto keepAlive = shared_from_this();
    ensureOpen();
    QByteArray bytes;
    QStringList tokens;
    for (const auto& [name, params] : commands) {
        const QString token = QStringLiteral("pellorin-%1").arg(++m_nextToken);
        m_pending.insert(token, std::nullopt);
        bytes += CtrlProtocol::encodeCommand(name, params, token);
        tokens << token;
    }
    m_socket->write(bytes);
    const auto allIn = [&] {
        return std::all_of(tokens.begin(), tokens.end(), [&](const QString& token) {
            return m_pending.value(token).has_value();
        });
    };
    m_events.waitUntil([&] { return allIn() || m_link != Link::Open; }, m_timeouts.commandMs);

    std::vector<Reply> replies;
    std::optional<qsizetype> missing;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const std::optional<Reply> reply = m_pending.take(tokens[i]);
        if (reply)
            replies.push_back(*reply);
        else if (!missing)
            missing = i;
    }
    if (!missing)
        return replies;
    const QString what = quoted(commandText(commands[static_cast<size_t>(*missing)]));
    if (m_link != Link::Open)
        throw RunTimeError(LinkError::ClientQuit,
                           QStringLiteral("The connection to baresip closed before it answered "
                                          "%1 (%2).")
                               .arg(what, m_lostReason));
    QString text = QStringLiteral("baresip did not answer %1 within %2.")
                       .arg(what, seconds(m_timeouts.commandMs));
    if (m_reader.midFrame())
        text += QStringLiteral(" It stopped part-way through a message.");
    if (!m_unreadable.isEmpty())
        text += QStringLiteral(" It sent %1, which Pellorin cannot read.").arg(m_unreadable);
    throw RunTimeError(LinkError::Timeout, text);
}

void BaresipSession::onReceived(const QByteArray& bytes) {
    const auto keepAlive = shared_from_this();
    const bool readable = m_reader.feed(bytes);
    while (const std::optional<QByteArray> frame = m_reader.next())
        onFrame(*frame);
    if (!readable)
        dropConnection(QStringLiteral("baresip sent %1").arg(m_reader.errorText()));
}

void BaresipSession::onFrame(const QByteArray& frame) {
    const std::optional<CtrlProtocol::Message> message = CtrlProtocol::parseMessage(frame);
    if (!message) {
        m_unreadable = quoted(QString::fromUtf8(frame));
        qCWarning(lcBaresip).noquote()
            << "Ignored a message from baresip that is not a JSON object:" << m_unreadable;
        return;
    }
    switch (message->kind) {
    case CtrlProtocol::Message::Kind::Response: {
        if (!m_probeToken.isEmpty() && message->response.token == m_probeToken) {
            if (message->response.ok)
                finishAttach(AttachStatus::Success, {});
            else
                finishAttach(AttachStatus::Refused, refusalText(message->response.data).english());
            return;
        }
        const auto pending = m_pending.find(message->response.token);
        if (pending == m_pending.end()) {
            qCDebug(lcBaresip).noquote()
                << "Ignored a reply nobody waits for:" << quoted(message->response.token);
            return;
        }
        *pending = Reply{message->response.ok, message->response.data};
        m_events.progressed();
        return;
    }
    case CtrlProtocol::Message::Kind::Event:
        onEvent(message->event);
        return;
    case CtrlProtocol::Message::Kind::Other:
        qCDebug(lcBaresip) << "Ignored a message that is neither a reply nor an event";
        return;
    }
}

void BaresipSession::onEvent(const CtrlProtocol::Event& event) {
    if (event.callId.isEmpty())
        return; // not about a call
    const QString& type = event.type;
    const QString& id = event.callId;
    const bool known = m_calls.contains(id);
    const auto add = [&](bool incoming, int status) {
        CallEntry added;
        added.handle = CtrlProtocol::handleFromUri(event.peerUri);
        added.accountAor = event.accountAor;
        added.incoming = incoming;
        added.status = status;
        added.age = m_goingOn.add(id);
        m_calls.insert(id, added);
        raiseCallStatus(id, status);
    };

    if (type == QLatin1String("CALL_INCOMING")) {
        if (!known && event.direction != QLatin1String("outgoing"))
            add(true, CallStatusCode::Ringing);
    } else if (type == QLatin1String("CALL_OUTGOING") || type == QLatin1String("CALL_RINGING") ||
               type == QLatin1String("CALL_PROGRESS")) {
        if (!known)
            add(event.direction == QLatin1String("incoming"), BaresipCallStatus::Routing);
    } else if (type == QLatin1String("CALL_ESTABLISHED")) {
        if (!known)
            add(event.direction == QLatin1String("incoming"), CallStatusCode::InProgress);
        else if (m_calls[id].status != CallStatusCode::InProgress && !ended(m_calls[id])) {
            m_calls[id].status = CallStatusCode::InProgress;
            raiseCallStatus(id, CallStatusCode::InProgress);
        }
    } else if (type == QLatin1String("CALL_CLOSED")) {
        if (!known || ended(m_calls[id]))
            return;
        CallEntry& call = m_calls[id];
        call.status = call.status == CallStatusCode::InProgress ? BaresipCallStatus::Finished
                      : call.incoming                           ? BaresipCallStatus::Missed
                                                                : BaresipCallStatus::Failed;
        m_goingOn.remove(call.age);
        call.age = m_ended.add(id);
        raiseCallStatus(id, call.status);
    } else if (type == QLatin1String("CALL_LOCAL_SDP")) {
        if (known && event.param == QLatin1String("answer"))
            m_calls[id].answered = true;
    } else if (type == QLatin1String("CALL_REMOTE_SDP")) {
        if (known && event.param == QLatin1String("answer"))
            ++m_calls[id].renegotiations;
    } else {
        return; // nothing this program follows
    }

    trim(m_goingOn);
    trim(m_ended);
    m_events.progressed();
}

void BaresipSession::trim(CallAges<QString>& ages) {
    ages.trim([this](const QString& id) { return m_inUse.contains(id); },
              [this](const QString& id) { m_calls.remove(id); });
}

void BaresipSession::dropConnection(const QString& why) {
    m_socket->close();
    onClosed(why);
}

void BaresipSession::onClosed(const QString& why) {
    if (m_link != Link::Open)
        return;
    m_link = Link::Lost;
    m_lostReason = why;
    qCWarning(lcBaresip).noquote() << "The connection to baresip closed:" << why;
    m_listeners.detachAll(AttachStatus::NotAvailable);
    if (!m_probeToken.isEmpty())
        finishAttach(AttachStatus::NotAvailable, lostError().description());
    m_events.progressed();
}

const BaresipSession::CallEntry* BaresipSession::find(const QString& callId) const {
    const auto it = m_calls.constFind(callId);
    return it == m_calls.constEnd() ? nullptr : &*it;
}

bool BaresipSession::ended(const CallEntry& record) const {
    return record.status == BaresipCallStatus::Finished ||
           record.status == BaresipCallStatus::Missed || record.status == BaresipCallStatus::Failed;
}

QString BaresipSession::partnerHandle(const QString& callId) {
    const CallEntry* call = find(callId);
    return call ? call->handle : QString();
}

int BaresipSession::callStatus(const QString& callId) {
    const auto keepAlive = shared_from_this();
    // The event loop may not have run for a while (the call handler pauses).
    m_socket->readArrived();
    const CallEntry* call = find(callId);
    return call ? call->status : CallStatusCode::Unknown;
}

QString BaresipSession::callerText(const QString& callId) {
    const CallEntry* call = find(callId);
    return call && !call->handle.isEmpty() ? quoted(call->handle)
                                           : QStringLiteral("an unknown caller");
}

const BaresipSession::CallEntry& BaresipSession::knownCall(const QString& callId) {
    ensureOpen();
    const CallEntry* call = find(callId);
    if (!call)
        throw RunTimeError(LinkError::BadArgument,
                           QStringLiteral("baresip's call %1 is not known on this connection.")
                               .arg(quoted(callId)));
    return *call;
}

bool BaresipSession::select(const QString& callId) {
    // A copy: events read during the wait below change the table of calls.
    const QString accountAor = knownCall(callId).accountAor;
    std::vector<std::pair<QString, QString>> steps;
    if (!accountAor.isEmpty())
        steps.emplace_back(QStringLiteral("uafind"), accountAor);
    steps.emplace_back(QStringLiteral("callfind"), callId);
    const std::vector<Reply> replies = commands(steps);
    if (steps.size() == 2 && !replies.front().ok)
        throw RunTimeError(LinkError::Failed,
                           QStringLiteral("baresip no longer has the account %1 that the call "
                                          "from %2 came in on.")
                               .arg(quoted(accountAor), callerText(callId)));
    const Reply& found = replies.back();
    if (CtrlProtocol::selectedCall(found.data, callId))
        return true;
    if (CtrlProtocol::noSuchCall(found.data))
        return false;
    throw RunTimeError(LinkError::BadReply,
                       QStringLiteral("baresip answered %1 with %2, which Pellorin cannot read.")
                           .arg(quoted(QStringLiteral("callfind ") + callId), quoted(found.data)));
}

bool BaresipSession::waitForCall(const QString& callId,
                                 const std::function<bool(const CallEntry&)>& done, int timeoutMs) {
    const auto settled = [&] {
        const CallEntry* call = find(callId);
        return m_link != Link::Open || !call || ended(*call) || done(*call);
    };
    m_events.waitUntil(settled, timeoutMs);
    if (m_link != Link::Open)
        throw lostError();
    return settled();
}

BaresipSession::Reply BaresipSession::renegotiate(const QString& callId, const QString& command,
                                                  const QString& params) {
    const int before = knownCall(callId).renegotiations;
    const Reply reply = this->command(command, params);
    if (!reply.ok)
        return reply;
    if (!waitForCall(
            callId, [before](const CallEntry& call) { return call.renegotiations > before; },
            m_timeouts.callSetupMs))
        throw RunTimeError(
            LinkError::Timeout,
            UiText("LinkError", QT_TRANSLATE_NOOP(
                                    "LinkError", "The caller of the call from %1 has not agreed to "
                                                 "%2 within %3."))
                .arg(callerText(callId), quoted(command + QLatin1Char(' ') + params),
                     shownSeconds(m_timeouts.callSetupMs)));
    return reply;
}

bool BaresipSession::hasVideo(const QString& callId) {
    if (!select(callId))
        return false;
    return CtrlProtocol::videoStarted(command(QStringLiteral("video_debug")).data);
}

bool BaresipSession::answer(const QString& callId) {
    const auto keepAlive = shared_from_this();
    const CallInUse inUse(*this, callId);
    if (knownCall(callId).status != CallStatusCode::Ringing)
        return false; // answered already, or the caller gave up: nothing to answer

    // Calls already answered: an answer baresip gives any other call now went
    // to a call that became the current one after ours was selected.
    QStringList answeredBefore;
    for (auto it = m_calls.cbegin(); it != m_calls.cend(); ++it)
        if (it->answered)
            answeredBefore << it.key();
    for (int attempt = 0;; ++attempt) {
        if (!select(callId))
            return false; // the caller hung up meanwhile
        // (Setting the video direction before the answer would only change
        // what the answer says, not what baresip sends, and it makes the call
        // take several milliseconds longer to set up.)
        const Reply accepted = command(QStringLiteral("accept"));
        if (!accepted.ok)
            throw RunTimeError(
                LinkError::Failed,
                UiText(
                    "LinkError",
                    QT_TRANSLATE_NOOP("LinkError", "baresip could not answer the call from %1: %2"))
                    .arg(callerText(callId), quoted(accepted.data)));
        for (auto it = m_calls.cbegin(); it != m_calls.cend(); ++it)
            if (it->answered && it.key() != callId && !answeredBefore.contains(it.key()))
                throw RunTimeError(
                    LinkError::Failed,
                    UiText("LinkError",
                           QT_TRANSLATE_NOOP("LinkError",
                                             "baresip answered the call from %1 when it was "
                                             "asked to answer the one from %2: a call that "
                                             "came in meanwhile took its place."))
                        .arg(quoted(it->handle), callerText(callId)));
        const CallEntry& call = knownCall(callId);
        if (call.answered || call.status != CallStatusCode::Ringing)
            break;
        // Answering puts the previous call on hold first. When that call is
        // still ringing this fails, and baresip does not answer; it counts that
        // call as held from then on, so the second time it answers.
        if (attempt == 1)
            throw RunTimeError(
                LinkError::Failed,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError", "baresip did not answer the call from %1."))
                    .arg(callerText(callId)));
    }

    if (!waitForCall(
            callId, [](const CallEntry& call) { return call.status != CallStatusCode::Ringing; },
            m_timeouts.callSetupMs))
        throw RunTimeError(
            LinkError::Timeout,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError",
                                     "baresip answered the call from %1, but the call has "
                                     "not been established within %2."))
                .arg(callerText(callId), shownSeconds(m_timeouts.callSetupMs)));
    if (ended(knownCall(callId)))
        return knownCall(callId).answered; // the caller hung up at once, or before the answer

    // A call that rang while another one was answered is on hold now: take it
    // off hold (which lets video go both ways again, until the step below).
    const bool others = std::any_of(m_calls.cbegin(), m_calls.cend(), [&](const CallEntry& c) {
        return &c != find(callId) && !ended(c);
    });
    if (others) {
        if (!select(callId))
            return true;
        if (CtrlProtocol::currentCallOnHold(command(QStringLiteral("listcalls")).data) == true) {
            const Reply resumed = renegotiate(callId, QStringLiteral("resume"), {});
            if (!resumed.ok)
                throw RunTimeError(
                    LinkError::Failed,
                    UiText("LinkError",
                           QT_TRANSLATE_NOOP("LinkError",
                                             "baresip could not take the call from %1 off "
                                             "hold: %2"))
                        .arg(callerText(callId), quoted(resumed.data)));
        }
    }

    // baresip sends video whenever the caller takes it, whatever it answered:
    // offer again to receive only, and once the caller agrees it stops sending.
    if (ended(knownCall(callId)) || !select(callId))
        return true;
    const Reply receiveOnly =
        renegotiate(callId, QStringLiteral("video_dir"), QStringLiteral("recvonly"));
    if (!receiveOnly.ok && hasVideo(callId))
        throw RunTimeError(
            LinkError::Failed,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError",
                                     "baresip answered the call from %1 but could not stop "
                                     "sending your video into it: %2"))
                .arg(callerText(callId), quoted(receiveOnly.data)));
    return true;
}

void BaresipSession::startVideo(const QString& callId) {
    const auto keepAlive = shared_from_this();
    const CallInUse inUse(*this, callId);
    if (ended(knownCall(callId)) || !select(callId))
        throw LinkError::callEnded(callerText(callId));
    const Reply reply =
        renegotiate(callId, QStringLiteral("video_dir"), QStringLiteral("sendrecv"));
    // baresip renegotiates a call without video too: look whether there is any.
    if (!hasVideo(callId))
        throw LinkError::noVideoOffered(callerText(callId));
    if (!reply.ok)
        throw RunTimeError(
            LinkError::Failed,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError",
                                     "baresip could not start sending video into the call "
                                     "from %1: %2"))
                .arg(callerText(callId), quoted(reply.data)));
}

QList<CtrlProtocol::Contact> BaresipSession::contacts() {
    const Reply reply = command(QStringLiteral("contacts"));
    if (reply.ok)
        return CtrlProtocol::parseContacts(reply.data);
    if (CtrlProtocol::unknownCommand(reply.data)) {
        qCWarning(lcBaresip) << "baresip has no contact list: its contact module is not loaded";
        return {};
    }
    throw RunTimeError(
        LinkError::Failed,
        UiText("LinkError",
               QT_TRANSLATE_NOOP("LinkError", "baresip could not list its contacts: %1"))
            .arg(quoted(reply.data)));
}

void BaresipSession::raiseCallStatus(const QString& callId, int status) {
    CallEntry& record = m_calls[callId];
    std::shared_ptr<BaresipCall> call = record.call.lock();
    if (!call) {
        call = std::make_shared<BaresipCall>(shared_from_this(), callId, record.handle);
        record.call = call;
    }
    m_listeners.raiseCall(call, status);
}
