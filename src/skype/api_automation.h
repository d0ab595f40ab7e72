#pragma once

#include "automation.h"

#include <memory>

class ApiSession;

// An automation object over the desktop API. Objects of one factory share one
// session; only those that attached raise events.
class ApiAutomation : public Automation {
    Q_OBJECT
public:
    explicit ApiAutomation(std::shared_ptr<ApiSession> session);
    ~ApiAutomation() override;

    SkypeClient& client() override { return m_client; }
    void attach(int protocol, bool wait) override;
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;


private:
    class ClientObject : public SkypeClient {
    public:
        explicit ClientObject(ApiSession& session) : m_session(session) {}
        bool isRunning() override;

    private:
        ApiSession& m_session;
    };

    std::shared_ptr<ApiSession> m_session;
    ClientObject m_client;
};
