#pragma once

#include "client/automation.h"

#include <memory>

class ApiSession;

// A call of the client, by its id. Every read asks the client again.
class ApiCall : public SkypeCall {
public:
    ApiCall(std::shared_ptr<ApiSession> session, qint64 id);

    QString partnerHandle() override;
    int status() override;
    bool answer() override;
    void startVideoSend() override;

    qint64 id() const { return m_id; }

private:
    QString get(const QString& property);
    void alter(const QString& action);

    std::shared_ptr<ApiSession> m_session;
    qint64 m_id;
};
