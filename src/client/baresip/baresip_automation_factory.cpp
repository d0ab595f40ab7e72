#include "baresip_automation_factory.h"

#include "baresip_automation.h"
#include "tcp_control_socket.h"

BaresipAutomationFactory::BaresipAutomationFactory(QString host, quint16 port,
                                                   BaresipTimeouts timeouts, SocketMaker makeSocket)
    : m_host(std::move(host)), m_port(port), m_timeouts(timeouts),
      m_makeSocket(std::move(makeSocket)) {}

BaresipAutomationFactory::~BaresipAutomationFactory() = default;

std::unique_ptr<Automation> BaresipAutomationFactory::create() {
    if (!m_session)
        m_session = std::make_shared<BaresipSession>(
            m_makeSocket ? m_makeSocket() : std::make_unique<TcpControlSocket>(), m_host, m_port,
            m_timeouts);
    return std::make_unique<BaresipAutomation>(m_session);
}
