#include "baresip_call.h"

#include "baresip_session.h"

BaresipCall::BaresipCall(std::shared_ptr<BaresipSession> session, QString id, QString partner)
    : m_session(std::move(session)), m_id(std::move(id)), m_partner(std::move(partner)) {}

int BaresipCall::status() {
    return m_session->callStatus(m_id);
}

bool BaresipCall::answer() {
    return m_session->answer(m_id);
}

void BaresipCall::startVideoSend() {
    m_session->startVideo(m_id);
}
