#include "jami_call.h"

JamiCall::JamiCall(std::shared_ptr<JamiSession> session, JamiCallKey key)
    : m_session(std::move(session)), m_key(std::move(key)) {}

QString JamiCall::partnerHandle() {
    return m_session->partnerHandle(m_key);
}

int JamiCall::status() {
    return m_session->callStatus(m_key);
}

bool JamiCall::answer() {
    return m_session->answer(m_key);
}

void JamiCall::startVideoSend() {
    m_session->startVideo(m_key);
}
