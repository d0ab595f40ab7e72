#pragma once

#include "api_session.h"
#include "client/session_automation.h"

// An automation object over the desktop API. Objects of one factory share one
// session; only those that attached raise events.
class ApiAutomation : public SessionAutomation<ApiSession> {
public:
    using SessionAutomation::SessionAutomation;

    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;
};
