#include "dbus_automation.h"

#include "api_automation.h"
#include "dbus_transport.h"

DBusAutomationFactory::DBusAutomationFactory(LinkTimeouts timeouts, QString busAddress)
    : m_timeouts(timeouts), m_busAddress(std::move(busAddress)) {}

DBusAutomationFactory::~DBusAutomationFactory() = default;

std::unique_ptr<Automation> DBusAutomationFactory::create() {
    if (!m_session)
        m_session =
            std::make_shared<ApiSession>(std::make_unique<DBusTransport>(m_busAddress), m_timeouts);
    return std::make_unique<ApiAutomation>(m_session);
}
