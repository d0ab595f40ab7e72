#pragma once

#include "client/automation.h"

#include <memory>

// What every backend's automation object is: a handle on the session that its
// factory shares among all its objects. The session does the work; an object
// only asks. A backend derives from this and adds the contact list and users.
//
// `Session` offers clientRunning(), attach(Automation*, protocol, wait) and
// forget(Automation*).
template <class Session>
class SessionAutomation : public Automation {
public:
    explicit SessionAutomation(std::shared_ptr<Session> session)
        : m_session(std::move(session)), m_client(*m_session) {}
    ~SessionAutomation() override { m_session->forget(this); }

    SkypeClient& client() override { return m_client; }
    void attach(int protocol, bool wait) override {
        // The session outlives this object even if a handler deletes it meanwhile.
        const std::shared_ptr<Session> session = m_session;
        session->attach(this, protocol, wait);
    }

protected:
    const std::shared_ptr<Session>& session() const { return m_session; }

private:
    class ClientObject : public SkypeClient {
    public:
        explicit ClientObject(Session& session) : m_session(session) {}
        bool isRunning() override { return m_session.clientRunning(); }

    private:
        Session& m_session;
    };

    std::shared_ptr<Session> m_session;
    ClientObject m_client;
};
