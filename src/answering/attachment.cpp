#include "attachment.h"

#include "platform/message_box.h"
#include "platform/product.h"
#include "platform/run_time_error.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcAttach, "pellorin.attach", QtInfoMsg)

void Attachment::DeleteLater::operator()(QObject* object) const {
    // The old object may be the one whose event is being handled right now.
    object->disconnect();
    object->deleteLater();
}

Attachment::Attachment(AutomationFactory& factory, MessageBoxService& messages, QObject* parent)
    : QObject(parent), m_factory(factory), m_messages(messages) {
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &Attachment::tryAttach);
}

Attachment::~Attachment() = default;

void Attachment::replaceObject(std::unique_ptr<Automation> fresh) {
    // Replacing the object drops the old one and every connection to it.
    m_oSkype.reset(fresh.release());
    connect(m_oSkype.get(), &Automation::AttachmentStatus, this,
            &Attachment::oSkype_AttachmentStatus);
    connect(m_oSkype.get(), &Automation::CallStatus, this, &Attachment::callStatus);
    // The client is back: no need to wait for the next try.
    connect(m_oSkype.get(), &Automation::ClientAvailable, this, [this] {
        if (m_auto)
            retryIn(0);
    });
}

void Attachment::setState(AttachState::Kind kind, QDateTime askAgainAt) {
    const AttachState next{kind, std::move(askAgainAt)};
    if (next == m_state)
        return;
    m_state = next;
    emit stateChanged();
}

void Attachment::mnuAttach_Click() {
    replaceObject(m_factory.create());
    m_attached = false;
    if (m_auto) // the tries go on whatever this command comes to
        retryIn(m_times.retryMs);
    setState(AttachState::Kind::Attaching);
    try {
        if (m_oSkype->client().isRunning()) {
            m_oSkype->attach(Automation::Protocol, true);
            return;
        }
    } catch (...) {
        // No outcome: the client may still answer (its status then says so).
        if (m_state.kind == AttachState::Kind::Attaching)
            setState(AttachState::Kind::Off);
        throw;
    }
    setState(AttachState::Kind::NotRunning);
    m_messages.show(tr("Please start your %1 client first.").arg(m_factory.clientName()),
                    MsgBoxStyle::Information, Product::name);
}

void Attachment::oSkype_AttachmentStatus(int status) {
    if (m_auto) {
        autoStatus(status);
        return;
    }
    try {
        switch (status) {
        case AttachStatus::Success:
            m_attached = true;
            setState(AttachState::Kind::Attached);
            m_messages.show(tr("Pellorin has successfully attached itself to your %1 client.")
                                .arg(m_factory.clientName()),
                            MsgBoxStyle::Information, Product::name);
            break;
        case AttachStatus::PendingAuthorization:
            setState(AttachState::Kind::Attaching);
            if (!m_oSkype)
                throw RunTimeError(
                    91, UiText("RunTimeError",
                               QT_TRANSLATE_NOOP("RunTimeError", "Object variable not set")));
            m_oSkype->attach(Automation::Protocol, true);
            break;
        case AttachStatus::Refused:
            m_attached = false;
            setState(AttachState::Kind::Refused);
            showRefused();
            break;
        case AttachStatus::NotAvailable:
            // Silent, as it always was; Attach Automatically turned on later
            // then knows that there is something to attach to again.
            m_attached = false;
            setState(AttachState::Kind::NotRunning);
            break;
        default:
            break;
        }
    } catch (const RunTimeError& e) {
        m_messages.show(tr("An error has occured: \r\n\r\n") + e.shown(), MsgBoxStyle::Exclamation,
                        QString::number(e.number()));
    } catch (const std::exception& e) {
        m_messages.show(tr("An error has occured: \r\n\r\n") + QString::fromLocal8Bit(e.what()),
                        MsgBoxStyle::Exclamation, QString::number(ErrorNumber::Internal));
    }
}

void Attachment::startAutoAttach(AutoAttachTimes times) {
    m_auto = true;
    m_times = times;
    // A pause after a refusal lasts no longer than these times give it.
    if (m_notBefore.remainingTime() > times.afterRefusalMs)
        m_notBefore.setRemainingTime(times.afterRefusalMs);
    tryAttach();
}

void Attachment::stopAutoAttach() {
    m_auto = false;
    m_retry.stop();
    if (!m_attached)
        setState(AttachState::Kind::Off);
}

void Attachment::clientChanged() {
    m_retry.stop();
    m_oSkype.reset();
    m_attached = false;
    m_notBefore = QDeadlineTimer();
    m_attachedBefore = false;
    m_refusalShown = false;
    setState(AttachState::Kind::Off);
    if (m_auto)
        tryAttach();
}

std::shared_ptr<ShownBox> Attachment::showRefused() {
    return m_messages.show(
        tr("Unfortunately, Pellorin could not attached itself to your %1 client.")
            .arg(m_factory.clientName()),
        MsgBoxStyle::Exclamation, Product::name);
}

void Attachment::retryIn(int ms) {
    if (!m_attached)
        m_retry.start(std::max<qint64>(ms, m_notBefore.remainingTime()));
}

// Sends the attach request and returns: the outcome comes as a status event.
// Whatever goes wrong in sending goes to the log, and the next try follows. A try
// while an earlier one is still unanswered joins it (each client sends nothing
// new then), so a client that never answers holds up nothing.
void Attachment::tryAttach() {
    if (m_attached)
        return;
    if (!m_notBefore.hasExpired()) {
        retryIn(0);
        return;
    }
    if (m_state.kind == AttachState::Kind::Off)
        setState(AttachState::Kind::Attaching); // later tries keep what the last one found
    try {
        if (!m_oSkype)
            replaceObject(m_factory.create());
        m_oSkype->attach(Automation::Protocol, false);
    } catch (const RunTimeError& e) {
        qCInfo(lcAttach).noquote() << "Attaching failed:" << e.description();
    } catch (const std::exception& e) {
        qCInfo(lcAttach).noquote() << "Attaching failed:" << e.what();
    }
    // Ask again later whatever happened: an answer that never comes must not stop
    // the tries. A status event moves the next try or stops them.
    if (m_auto && !m_retry.isActive())
        retryIn(m_times.retryMs);
}

void Attachment::autoStatus(int status) {
    switch (status) {
    case AttachStatus::Success:
        if (m_attached)
            return;
        m_attached = true;
        m_retry.stop();
        setState(AttachState::Kind::Attached);
        qCInfo(lcAttach) << (m_attachedBefore ? "Attached to the calling client again."
                                              : "Attached to the calling client.");
        m_attachedBefore = true;
        return;
    case AttachStatus::PendingAuthorization:
        qCInfo(lcAttach) << "The calling client is asking its user whether Pellorin may use it.";
        setState(AttachState::Kind::Attaching);
        return; // the request under way goes on; its outcome follows
    case AttachStatus::Refused:
        m_attached = false;
        m_notBefore.setRemainingTime(m_times.afterRefusalMs);
        retryIn(m_times.afterRefusalMs);
        setState(AttachState::Kind::Refused,
                 QDateTime::currentDateTime().addMSecs(m_times.afterRefusalMs));
        if (m_refusalShown || (m_refusalBox && m_refusalBox->isOpen())) {
            qCInfo(lcAttach) << "The calling client refused Pellorin again; asking again later.";
        } else {
            m_refusalShown = true;
            qCInfo(lcAttach) << "The calling client refused Pellorin; asking again later.";
            m_refusalBox = showRefused();
        }
        return;
    case AttachStatus::NotAvailable:
        setState(AttachState::Kind::NotRunning);
        // An attachment that has just ended is tried again at once (the client may
        // have been replaced already); a try that found nobody waits for the next.
        if (m_attached) {
            qCInfo(lcAttach) << "The attachment to the calling client ended; attaching again.";
            m_attached = false;
            retryIn(0);
        } else {
            retryIn(m_times.retryMs);
        }
        return;
    default:
        return;
    }
}
