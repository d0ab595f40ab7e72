#include "baresip_automation.h"

#include "baresip_session.h"
#include "baresip_user.h"
#include "ctrl_protocol.h"

BaresipAutomation::BaresipAutomation(std::shared_ptr<BaresipSession> session)
    : m_session(std::move(session)), m_client(*m_session) {}

BaresipAutomation::~BaresipAutomation() {
    m_session->forget(this);
}

bool BaresipAutomation::ClientObject::isRunning() {
    return m_session.clientRunning();
}

void BaresipAutomation::attach(int /*protocol*/, bool wait) {
    // The session outlives this object even if a handler deletes it meanwhile.
    const std::shared_ptr<BaresipSession> session = m_session;
    session->attach(this, wait);
}

QList<SkypeUserPtr> BaresipAutomation::friends() {
    const QList<CtrlProtocol::Contact> contacts = m_session->contacts();
    QList<SkypeUserPtr> users;
    users.reserve(contacts.size());
    for (const CtrlProtocol::Contact& contact : contacts)
        users.append(std::make_shared<BaresipUser>(
            m_session, CtrlProtocol::handleFromUri(contact.uri), contact.displayName));
    return users;
}

SkypeUserPtr BaresipAutomation::user(const QString& handle) {
    return std::make_shared<BaresipUser>(m_session, handle);
}
