#pragma once

#include "client/automation.h"
#include "client/jami/jami_session.h"

#include <memory>

// A call of jamid, by its account and id. The partner handle is jamid's
// PEER_NUMBER of the call; the status is what the session has seen of it.
class JamiCall : public SkypeCall {
public:
    JamiCall(std::shared_ptr<JamiSession> session, JamiCallKey key);

    QString partnerHandle() override;
    int status() override;
    bool answer() override;
    void startVideoSend() override;

    const JamiCallKey& key() const { return m_key; }

private:
    std::shared_ptr<JamiSession> m_session;
    JamiCallKey m_key;
};
