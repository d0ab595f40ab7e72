#include "api_call.h"

#include "api_protocol.h"
#include "api_session.h"

ApiCall::ApiCall(std::shared_ptr<ApiSession> session, qint64 id)
    : m_session(std::move(session)), m_id(id) {}

QString ApiCall::partnerHandle() {
    return get(QStringLiteral("PARTNER_HANDLE"));
}

int ApiCall::status() {
    const QString word = get(QStringLiteral("STATUS"));
    const auto status = ApiProtocol::parseCallStatusWord(word);
    if (!status)
        throw LinkError::unreadableReply(QStringLiteral("GET CALL %1 STATUS").arg(m_id), word);
    return *status;
}

bool ApiCall::answer() {
    // The client refuses to answer a call that does not ring: that is an error.
    alter(QStringLiteral("ANSWER"));
    return true;
}

void ApiCall::startVideoSend() {
    alter(QStringLiteral("START_VIDEO_SEND"));
}

QString ApiCall::get(const QString& property) {
    const QString command = QStringLiteral("GET CALL %1 %2").arg(m_id).arg(property);
    const QString reply = m_session->command(command);
    const auto value = ApiProtocol::parseCallProperty(reply, m_id, property);
    if (!value)
        throw LinkError::unreadableReply(command, reply);
    return *value;
}

void ApiCall::alter(const QString& action) {
    const QString command = QStringLiteral("ALTER CALL %1 %2").arg(m_id).arg(action);
    const QString reply = m_session->command(command);
    if (reply != command)
        throw LinkError::unreadableReply(command, reply);
}
