#pragma once

#include "api_session.h"
#include "client/automation.h"

#include <memory>

// The client link over the session bus: the program's automation objects. All
// objects of one factory share one session (one bus connection), opened when
// the first object is made.
class DBusAutomationFactory : public AutomationFactory {
public:
    // `busAddress` empty: the session bus.
    explicit DBusAutomationFactory(LinkTimeouts timeouts = {}, QString busAddress = QString());
    ~DBusAutomationFactory() override;

    std::unique_ptr<Automation> create() override;

private:
    LinkTimeouts m_timeouts;
    QString m_busAddress;
    std::shared_ptr<ApiSession> m_session;
};
