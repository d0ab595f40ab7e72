#include "attachment.h"

#include "platform/message_box.h"
#include "platform/product.h"
#include "platform/run_time_error.h"

void Attachment::DeleteLater::operator()(QObject* object) const {
    // The old object may be the one whose event is being handled right now.
    object->disconnect();
    object->deleteLater();
}

Attachment::Attachment(AutomationFactory& factory, MessageBoxService& messages, QObject* parent)
    : QObject(parent), m_factory(factory), m_messages(messages) {}

Attachment::~Attachment() = default;

void Attachment::mnuAttach_Click() {
    std::unique_ptr<Automation> fresh = m_factory.create();
    // Replacing the object drops the old one and every connection to it.
    m_oSkype.reset(fresh.release());
    connect(m_oSkype.get(), &Automation::AttachmentStatus, this,
            &Attachment::oSkype_AttachmentStatus);
    connect(m_oSkype.get(), &Automation::CallStatus, this, &Attachment::callStatus);

    if (m_oSkype->client().isRunning())
        m_oSkype->attach(Automation::Protocol, true);
    else
        m_messages.show(QStringLiteral("Please start your Skype client first."),
                        MsgBoxStyle::Information, Product::name);
}

void Attachment::oSkype_AttachmentStatus(int status) {
    try {
        switch (status) {
        case AttachStatus::Success:
            m_messages.show(
                QStringLiteral("Pellorin has successfully attached itself to your Skype client."),
                MsgBoxStyle::Information, Product::name);
            break;
        case AttachStatus::PendingAuthorization:
            if (!m_oSkype)
                throw RunTimeError(91, QStringLiteral("Object variable not set"));
            m_oSkype->attach(Automation::Protocol, true);
            break;
        case AttachStatus::Refused:
            m_messages.show(QStringLiteral("Unfortunately, Pellorin could not attached itself to "
                                           "your Skype client."),
                            MsgBoxStyle::Exclamation, Product::name);
            break;
        default:
            break;
        }
    } catch (const RunTimeError& e) {
        m_messages.show(QStringLiteral("An error has occured: \r\n\r\n") + e.description(),
                        MsgBoxStyle::Exclamation, QString::number(e.number()));
    } catch (const std::exception& e) {
        m_messages.show(QStringLiteral("An error has occured: \r\n\r\n") +
                            QString::fromLocal8Bit(e.what()),
                        MsgBoxStyle::Exclamation, QString::number(ErrorNumber::Internal));
    }
}
