#include "memory_transport.h"

#include "client/desktop_api/api_automation.h"
#include "client/desktop_api/api_protocol.h"

#include <QTimer>

void MemoryTransport::send(const QString& command, int timeoutMs, ReplyHandler handler) {
    sent << command;
    if (!present) {
        deliver(std::move(handler), {Failure::NotRunning, QStringLiteral("no client")});
        return;
    }
    const auto tagged = ApiProtocol::splitId(command);
    const QString body = tagged ? tagged->body : command;
    if (respond) {
        if (const auto answer = respond(body)) {
            deliver(std::move(handler), {Failure::None, reply(command, *answer)});
            return;
        }
    }
    const quint64 token = ++m_nextToken;
    m_held.push_back({token, command, std::move(handler)});
    QTimer::singleShot(timeoutMs, this, [this, token] {
        for (auto it = m_held.begin(); it != m_held.end(); ++it) {
            if (it->token == token) {
                ReplyHandler expired = std::move(it->handler);
                m_held.erase(it);
                expired({Failure::Timeout, QStringLiteral("timed out")});
                return;
            }
        }
    });
}

void MemoryTransport::answerHeld(const QString& body) {
    if (m_held.empty())
        return;
    Held held = std::move(m_held.front());
    m_held.erase(m_held.begin());
    deliver(std::move(held.handler), {Failure::None, reply(held.command, body)});
}

void MemoryTransport::quit() {
    present = false;
    std::vector<Held> held = std::move(m_held);
    m_held.clear();
    for (Held& h : held)
        deliver(std::move(h.handler), {Failure::Disconnected, QStringLiteral("client left")});
    emit clientChanged(false);
}

void MemoryTransport::start() {
    present = true;
    emit clientChanged(true);
}

QStringList MemoryTransport::sentBodies() const {
    QStringList bodies;
    for (const QString& line : sent) {
        const auto tagged = ApiProtocol::splitId(line);
        bodies << (tagged ? tagged->body : line);
    }
    return bodies;
}

void MemoryTransport::deliver(ReplyHandler handler, Reply reply) {
    QTimer::singleShot(0, this, [handler = std::move(handler), reply] { handler(reply); });
}

QString MemoryTransport::reply(const QString& command, const QString& body) const {
    const auto tagged = ApiProtocol::splitId(command);
    if (echoIds && tagged && tagged->id)
        return ApiProtocol::withId(*tagged->id, body);
    return body;
}

std::function<std::optional<QString>(const QString&)>
willingClient(std::function<std::optional<QString>(const QString&)> overrides) {
    return [overrides](const QString& body) -> std::optional<QString> {
        if (overrides)
            if (auto answer = overrides(body))
                return answer;
        if (body.startsWith(QLatin1String("NAME ")))
            return QStringLiteral("OK");
        if (body.startsWith(QLatin1String("PROTOCOL ")))
            return body;
        if (body.startsWith(QLatin1String("ALTER ")))
            return body;
        return QStringLiteral("ERROR 2 Unknown command");
    };
}

MemoryAutomationFactory::MemoryAutomationFactory(LinkTimeouts timeouts) {
    auto transport = std::make_unique<MemoryTransport>();
    m_transport = transport.get();
    m_transport->respond = willingClient();
    m_session = std::make_shared<ApiSession>(std::move(transport), timeouts);
}

std::unique_ptr<Automation> MemoryAutomationFactory::create() {
    return std::make_unique<ApiAutomation>(m_session);
}
