#pragma once

#include "client/desktop_api/api_session.h"
#include "client/desktop_api/api_transport.h"
#include "client/automation.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The desktop API over memory: a client that tests script. Replies are
// delivered from the event loop, like the bus does.
class MemoryTransport : public ApiTransport {
    Q_OBJECT
public:
    // Answers a command (given without its id prefix). Nothing: the command is
    // held until answerHeld, quit or its timeout.
    std::function<std::optional<QString>(const QString& body)> respond;
    // Whether replies carry the command's id prefix, as the client does.
    bool echoIds = true;
    bool present = true;
    // Every command sent, as sent (with its id prefix).
    QStringList sent;

    void send(const QString& command, int timeoutMs, ReplyHandler handler) override;
    bool clientPresent() override { return present; }

    int heldCount() const { return static_cast<int>(m_held.size()); }
    // Answers the oldest held command.
    void answerHeld(const QString& body);
    // An unsolicited line from the client.
    void notify(const QString& line) { emit notification(line); }
    // The client goes away: held commands fail as the bus fails them.
    void quit();
    void start();
    // The commands sent, without their id prefixes.
    QStringList sentBodies() const;

private:
    struct Held {
        quint64 token;
        QString command;
        ReplyHandler handler;
    };
    void deliver(ReplyHandler handler, Reply reply);
    QString reply(const QString& command, const QString& body) const;

    std::vector<Held> m_held;
    quint64 m_nextToken = 0;
};

// A client that allows attaching and answers like the real one would, with
// `overrides` (command body -> reply body) taking precedence.
std::function<std::optional<QString>(const QString&)>
willingClient(std::function<std::optional<QString>(const QString&)> overrides = {});

// The program's automation objects over the desktop API, as the bus backend makes
// them (one session for all), with the client in memory.
class MemoryAutomationFactory : public AutomationFactory {
public:
    explicit MemoryAutomationFactory(LinkTimeouts timeouts = {});
    MemoryTransport& transport() { return *m_transport; }
    std::unique_ptr<Automation> create() override;

private:
    MemoryTransport* m_transport;
    std::shared_ptr<ApiSession> m_session;
};
