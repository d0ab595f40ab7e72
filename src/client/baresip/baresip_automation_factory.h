#pragma once

#include "baresip_session.h"
#include "client/automation.h"

#include <functional>
#include <memory>

class ControlSocket;

// The client link over baresip's control socket: the program's automation
// objects. All objects of one factory share one session (one connection, made
// when it is first needed).
class BaresipAutomationFactory : public AutomationFactory {
public:
    using SocketMaker = std::function<std::unique_ptr<ControlSocket>()>;

    // The control socket's address; `makeSocket` empty: TCP.
    BaresipAutomationFactory(QString host, quint16 port, BaresipTimeouts timeouts = {},
                             SocketMaker makeSocket = {});
    ~BaresipAutomationFactory() override;

    std::unique_ptr<Automation> create() override;
    QString clientName() const override { return QStringLiteral("baresip"); }

private:
    QString m_host;
    quint16 m_port;
    BaresipTimeouts m_timeouts;
    SocketMaker m_makeSocket;
    std::shared_ptr<BaresipSession> m_session;
};
