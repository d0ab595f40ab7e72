#include "api_automation.h"

#include "api_protocol.h"
#include "api_session.h"
#include "api_user.h"

ApiAutomation::ApiAutomation(std::shared_ptr<ApiSession> session)
    : m_session(std::move(session)), m_client(*m_session) {}

ApiAutomation::~ApiAutomation() {
    m_session->forget(this);
}

bool ApiAutomation::ClientObject::isRunning() {
    return m_session.clientPresent();
}

void ApiAutomation::attach(int protocol, bool wait) {
    // The session outlives this object even if a handler deletes it meanwhile.
    const std::shared_ptr<ApiSession> session = m_session;
    session->attach(this, protocol, wait);
}

QList<SkypeUserPtr> ApiAutomation::friends() {
    const QString command = QStringLiteral("SEARCH FRIENDS");
    const QString reply = m_session->command(command);
    const auto handles = ApiProtocol::parseUsers(reply);
    if (!handles)
        throw LinkError::unreadableReply(command, reply);
    QList<SkypeUserPtr> users;
    users.reserve(handles->size());
    for (const QString& handle : *handles)
        users.append(std::make_shared<ApiUser>(m_session, handle));
    return users;
}

SkypeUserPtr ApiAutomation::user(const QString& handle) {
    return std::make_shared<ApiUser>(m_session, handle);
}
