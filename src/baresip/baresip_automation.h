#pragma once

#include "skype/automation.h"

#include <memory>

class BaresipSession;

// An automation object over baresip's control socket. Objects of one factory
// share one session; only those that attached raise events.
class BaresipAutomation : public Automation {
    Q_OBJECT
public:
    explicit BaresipAutomation(std::shared_ptr<BaresipSession> session);
    ~BaresipAutomation() override;

    SkypeClient& client() override { return m_client; }
    void attach(int protocol, bool wait) override;
    // baresip's contacts, in its order; each handle is the contact's address
    // written user@host.
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;


private:
    class ClientObject : public SkypeClient {
    public:
        explicit ClientObject(BaresipSession& session) : m_session(session) {}
        bool isRunning() override;

    private:
        BaresipSession& m_session;
    };

    std::shared_ptr<BaresipSession> m_session;
    ClientObject m_client;
};
