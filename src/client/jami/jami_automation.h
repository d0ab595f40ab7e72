#pragma once

#include "client/jami/jami_session.h"
#include "client/session_automation.h"

// An automation object over jamid's API. Objects of one factory share one
// session; only those that attached raise events.
class JamiAutomation : public SessionAutomation<JamiSession> {
    Q_OBJECT
public:
    using SessionAutomation::SessionAutomation;

    // The contacts of jamid's enabled accounts; each handle is the contact's
    // id (a Jami id, or user@host of a SIP account).
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;
};
