#include "api_session.h"

#include "api_call.h"
#include "api_protocol.h"
#include "client/automation.h"
#include "client/link_request.h"

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcLink, "pellorin.link")

namespace {

using LinkError::quoted;
using LinkError::seconds;
using LinkError::shownSeconds;

RunTimeError notRunning() {
    return RunTimeError(
        LinkError::NotRunning,
        UiText("LinkError", QT_TRANSLATE_NOOP("LinkError", "The calling client is not running.")));
}

RunTimeError transportError(const ApiTransport::Reply& reply, const QString& what, int timeoutMs) {
    switch (reply.failure) {
    case ApiTransport::Failure::NotRunning:
        return notRunning();
    case ApiTransport::Failure::Disconnected:
        return RunTimeError(
            LinkError::ClientQuit,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError", "The calling client quit before it answered %1."))
                .arg(what));
    case ApiTransport::Failure::Timeout:
        return RunTimeError(
            LinkError::Timeout,
            UiText("LinkError", QT_TRANSLATE_NOOP(
                                    "LinkError", "The calling client did not answer %1 within %2."))
                .arg(what, shownSeconds(timeoutMs)));
    default:
        return RunTimeError(
            LinkError::Failed,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError", "The calling client could not be reached: %1"))
                .arg(reply.text));
    }
}

} // namespace

ApiSession::ApiSession(std::unique_ptr<ApiTransport> transport, LinkTimeouts timeouts)
    : m_transport(std::move(transport)), m_timeouts(timeouts), m_listeners(m_events, this) {
    connect(m_transport.get(), &ApiTransport::notification, this, &ApiSession::onNotification);
    connect(m_transport.get(), &ApiTransport::clientChanged, this, &ApiSession::onClientChanged);
}

ApiSession::~ApiSession() = default;

bool ApiSession::clientRunning() {
    return m_transport->clientPresent();
}

void ApiSession::attach(Automation* object, int protocol, bool wait) {
    const auto keepAlive = shared_from_this();
    // Looking may find that the client went or was replaced, which resets the stage
    // and tells the objects attached until then.
    const bool present = clientRunning();
    m_listeners.add(object);
    if (m_stage == Stage::Attached && present) {
        m_listeners.raiseAttachment(object, AttachStatus::Success);
        return;
    }
    if (m_stage == Stage::Attached || m_stage == Stage::Detached) {
        m_stage = Stage::Detached;
        if (!present) {
            m_listeners.detachAll(AttachStatus::NotAvailable);
            if (wait)
                throw notRunning();
            return;
        }
        startHandshake(protocol);
    }
    // Otherwise a handshake is under way: join it, send nothing new. An attach
    // request further out already waits for it and reports its outcome.
    if (!wait || m_attachWaits > 0)
        return;

    ++m_attachWaits;
    const std::unique_ptr<int, void (*)(int*)> waiting(&m_attachWaits, [](int* n) { --*n; });
    const std::optional<Outcome> outcome = waitForHandshake(m_timeouts.attachWaitMs, true);
    if (!outcome) {
        if (m_stage == Stage::Attached || m_stage == Stage::Detached)
            return; // replaced by a newer handshake, whose outcome arrives as events
        throw RunTimeError(
            LinkError::Timeout,
            UiText("LinkError", QT_TRANSLATE_NOOP(
                                    "LinkError", "The calling client has not answered the attach "
                                                 "request within %1. When it is answered, Pellorin "
                                                 "will tell you."))
                .arg(shownSeconds(m_timeouts.attachWaitMs)));
    }
    // Refusal is reported by its status event; a missing client is an error too.
    if (outcome->status == AttachStatus::NotAvailable && outcome->error)
        throw *outcome->error;
}

std::optional<ApiSession::Outcome> ApiSession::waitForHandshake(int timeoutMs, bool deliverEvents) {
    const quint64 handshake = m_handshake;
    std::optional<Outcome> outcome;
    const auto finished = [&] {
        if (!outcome && m_handshake == handshake && m_lastOutcome && m_stage != Stage::Naming &&
            m_stage != Stage::Negotiating)
            outcome = m_lastOutcome;
        return outcome.has_value() || m_handshake != handshake;
    };
    m_events.waitUntil(finished, timeoutMs, deliverEvents);
    return outcome;
}

void ApiSession::forget(Automation* object) {
    m_listeners.forget(object);
}

void ApiSession::startHandshake(int protocol) {
    m_stage = Stage::Naming;
    m_protocol = 0;
    m_pendingRaised = false;
    m_lastOutcome.reset();
    const quint64 handshake = ++m_handshake;
    const std::weak_ptr<ApiSession> weak = weak_from_this();
    m_transport->send(QStringLiteral("NAME ") + QLatin1String(ApiProtocol::ApplicationName),
                      m_timeouts.handshakeMs, [weak, handshake, protocol](const auto& reply) {
                          const auto self = weak.lock();
                          if (self && self->m_handshake == handshake)
                              self->onNameReply(reply, protocol);
                      });
    QTimer::singleShot(m_timeouts.pendingAfterMs, this, [this, handshake] {
        if (m_handshake == handshake && m_stage == Stage::Naming && !m_pendingRaised) {
            m_pendingRaised = true;
            m_listeners.raiseAttachmentToAll(AttachStatus::PendingAuthorization);
        }
    });
}

void ApiSession::onNameReply(const ApiTransport::Reply& reply, int protocol) {
    const QString request = QStringLiteral("the attach request");
    if (reply.failure != ApiTransport::Failure::None) {
        const bool gone = reply.failure == ApiTransport::Failure::NotRunning ||
                          reply.failure == ApiTransport::Failure::Disconnected;
        finishHandshake(gone ? AttachStatus::NotAvailable : AttachStatus::Refused,
                        transportError(reply, request, m_timeouts.handshakeMs));
        return;
    }
    switch (ApiProtocol::parseNameAnswer(reply.text)) {
    case ApiProtocol::NameAnswer::Allowed: {
        m_stage = Stage::Negotiating;
        m_events.progressed();
        const quint64 handshake = m_handshake;
        const std::weak_ptr<ApiSession> weak = weak_from_this();
        m_transport->send(
            ApiProtocol::withId(++m_nextId, QStringLiteral("PROTOCOL %1").arg(protocol)),
            m_timeouts.commandMs, [weak, handshake](const auto& protocolReply) {
                const auto self = weak.lock();
                if (self && self->m_handshake == handshake)
                    self->onProtocolReply(protocolReply);
            });
        return;
    }
    case ApiProtocol::NameAnswer::Refused:
        finishHandshake(
            AttachStatus::Refused,
            RunTimeError(
                LinkError::Refused,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError", "The calling client did not allow Pellorin "
                                                      "to use it."))));
        return;
    case ApiProtocol::NameAnswer::Offline:
        finishHandshake(
            AttachStatus::NotAvailable,
            RunTimeError(LinkError::Offline,
                         UiText("LinkError",
                                QT_TRANSLATE_NOOP("LinkError",
                                                  "Nobody is signed in to the calling client."))));
        return;
    case ApiProtocol::NameAnswer::Malformed:
        if (const auto error = ApiProtocol::parseError(reply.text))
            finishHandshake(AttachStatus::Refused, RunTimeError(error->code, error->text));
        else
            finishHandshake(AttachStatus::Refused,
                            LinkError::unreadableReply(QStringLiteral("NAME"), reply.text));
        return;
    }
}

void ApiSession::onProtocolReply(const ApiTransport::Reply& reply) {
    if (reply.failure != ApiTransport::Failure::None) {
        finishHandshake(
            AttachStatus::NotAvailable,
            transportError(reply, QStringLiteral("the protocol request"), m_timeouts.commandMs));
        return;
    }
    const auto tagged = ApiProtocol::splitId(reply.text);
    const auto version = tagged ? ApiProtocol::parseProtocol(tagged->body) : std::nullopt;
    if (!version || *version <= 0) {
        finishHandshake(AttachStatus::Refused,
                        LinkError::unreadableReply(QStringLiteral("PROTOCOL"), reply.text));
        return;
    }
    m_protocol = *version;
    finishHandshake(AttachStatus::Success, std::nullopt);
}

void ApiSession::finishHandshake(int status, std::optional<RunTimeError> error) {
    m_lastOutcome = Outcome{status, std::move(error)};
    if (status == AttachStatus::Success) {
        m_stage = Stage::Attached;
        m_listeners.raiseAttachmentToAll(status);
    } else {
        m_stage = Stage::Detached;
        m_listeners.detachAll(status);
    }
    m_events.progressed();
}

void ApiSession::ensureAttached() {
    if (m_stage == Stage::Attached)
        return;
    if (m_stage == Stage::Detached) {
        if (!clientRunning())
            throw notRunning();
        startHandshake(Automation::Protocol);
    }
    const std::optional<Outcome> outcome = waitForHandshake(m_timeouts.attachWaitMs, false);
    if (m_stage == Stage::Attached)
        return;
    if (outcome && outcome->error)
        throw *outcome->error;
    throw RunTimeError(
        LinkError::Timeout,
        UiText("LinkError",
               QT_TRANSLATE_NOOP("LinkError",
                                 "The calling client has not allowed Pellorin to use it "
                                 "within %1."))
            .arg(shownSeconds(m_timeouts.attachWaitMs)));
}

QString ApiSession::command(const QString& command) {
    const auto keepAlive = shared_from_this();
    if (command.contains(QLatin1Char('\n')) || command.contains(QLatin1Char('\r')))
        throw RunTimeError(LinkError::BadArgument,
                           QStringLiteral("A command must be one line: %1.").arg(quoted(command)));
    ensureAttached();

    const qint64 id = ++m_nextId;
    // The transport answers within the timeout; the margin only guards against
    // one that does not.
    const std::optional<ApiTransport::Reply> result = awaitReply<ApiTransport::Reply>(
        m_events,
        [&](ApiTransport::ReplyHandler handler) {
            m_transport->send(ApiProtocol::withId(id, command), m_timeouts.commandMs,
                              std::move(handler));
        },
        m_timeouts.commandMs + 1000);
    const QString what = quoted(command);
    if (!result)
        throw transportError({ApiTransport::Failure::Timeout, {}}, what, m_timeouts.commandMs);
    const ApiTransport::Reply& reply = *result;
    if (reply.failure != ApiTransport::Failure::None) {
        if (reply.failure == ApiTransport::Failure::NotRunning ||
            reply.failure == ApiTransport::Failure::Disconnected) {
            m_stage = Stage::Detached;
            m_protocol = 0;
            m_listeners.detachAll(AttachStatus::NotAvailable);
        }
        throw transportError(reply, what, m_timeouts.commandMs);
    }
    const auto tagged = ApiProtocol::splitId(reply.text);
    if (!tagged || (tagged->id && *tagged->id != id))
        throw LinkError::unreadableReply(command, reply.text);
    if (const auto error = ApiProtocol::parseError(tagged->body))
        throw RunTimeError(
            error->code,
            error->text.isEmpty()
                ? UiText("LinkError", QT_TRANSLATE_NOOP(
                                          "LinkError", "The calling client refused %1 (error %2)."))
                      .arg(what)
                      .arg(error->code)
                : UiText::untranslated(error->text));
    if (tagged->body.startsWith(QLatin1String("ERROR")))
        throw LinkError::unreadableReply(command, reply.text);
    return tagged->body;
}

void ApiSession::onNotification(const QString& line) {
    if (line.startsWith(QLatin1Char('#')))
        return; // a late reply to a command; replies arrive with their command
    if (!ApiProtocol::looksLikeCallStatus(line))
        return; // nothing this program listens to
    const auto notice = ApiProtocol::parseCallStatusNotice(line);
    if (!notice) {
        qCWarning(lcLink).noquote()
            << "Ignored a call status notification that cannot be read:" << quoted(line);
        return;
    }
    if (m_stage != Stage::Attached && m_stage != Stage::Negotiating) {
        qCWarning(lcLink).noquote()
            << "Ignored a call status notification before attaching:" << quoted(line);
        return;
    }
    const auto call = std::make_shared<ApiCall>(shared_from_this(), notice->callId);
    m_listeners.raiseCall(call, notice->status);
}

void ApiSession::onClientChanged(bool present) {
    const Stage before = m_stage;
    m_stage = Stage::Detached;
    m_protocol = 0;
    if (before == Stage::Naming || before == Stage::Negotiating) {
        finishHandshake(
            AttachStatus::NotAvailable,
            RunTimeError(
                LinkError::ClientQuit,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError", "The calling client quit while Pellorin was "
                                                      "attaching to it."))));
        ++m_handshake; // a late answer of the old client no longer counts
    } else if (before == Stage::Attached) {
        // The client that they attached to is gone, whether or not another one
        // took its place: they raise nothing more until they attach again.
        m_listeners.detachAll(AttachStatus::NotAvailable);
    }
    // The objects that the client left behind hear that a client is there again.
    if (present)
        m_listeners.clientBack();
}
