#pragma once

#include "client/automation.h"
#include "client/jami/jami_session.h"

#include <functional>
#include <memory>

class JamiBus;

// The client link to Jami's daemon: the program's automation objects. All
// objects of one factory share one session (one bus connection, opened when
// the first object is made).
class JamiAutomationFactory : public AutomationFactory {
public:
    using BusMaker = std::function<std::unique_ptr<JamiBus>()>;

    // `makeBus` empty: the session bus. `videoSource`: see JamiSession.
    explicit JamiAutomationFactory(JamiTimeouts timeouts = {}, BusMaker makeBus = {},
                                   QString videoSource = QString());
    ~JamiAutomationFactory() override;

    std::unique_ptr<Automation> create() override;
    QString clientName() const override { return QStringLiteral("Jami"); }

private:
    JamiTimeouts m_timeouts;
    BusMaker m_makeBus;
    QString m_videoSource;
    std::shared_ptr<JamiSession> m_session;
};
