#include "jami_automation_factory.h"

#include "client/jami/dbus_jami_bus.h"
#include "client/jami/jami_automation.h"

JamiAutomationFactory::JamiAutomationFactory(JamiTimeouts timeouts, BusMaker makeBus,
                                             QString videoSource)
    : m_timeouts(timeouts), m_makeBus(std::move(makeBus)), m_videoSource(std::move(videoSource)) {}

JamiAutomationFactory::~JamiAutomationFactory() = default;

std::unique_ptr<Automation> JamiAutomationFactory::create() {
    if (!m_session)
        m_session = std::make_shared<JamiSession>(
            m_makeBus ? m_makeBus() : std::make_unique<DBusJamiBus>(), m_timeouts, m_videoSource);
    return std::make_unique<JamiAutomation>(m_session);
}
