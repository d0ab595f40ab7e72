#pragma once

#include "client/automation.h"

#include <memory>

class BaresipSession;

// A call of baresip, by its id. The partner handle is the caller's address
// (user@host) as baresip reported it; the status is what the session has seen
// of the call.
class BaresipCall : public SkypeCall {
public:
    BaresipCall(std::shared_ptr<BaresipSession> session, QString id, QString partner);

    QString partnerHandle() override { return m_partner; }
    int status() override;
    bool answer() override;
    void startVideoSend() override;

    const QString& id() const { return m_id; }

private:
    std::shared_ptr<BaresipSession> m_session;
    QString m_id;
    QString m_partner;
};
