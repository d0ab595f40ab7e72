#pragma once

#include "baresip_session.h"
#include "client/session_automation.h"

// An automation object over baresip's control socket. Objects of one factory
// share one session; only those that attached raise events.
class BaresipAutomation : public SessionAutomation<BaresipSession> {
public:
    using SessionAutomation::SessionAutomation;

    // baresip's contacts, in its order; each handle is the contact's address
    // written user@host.
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;
    // The address of any SIP caller, written as a ring's handle is.
    bool takesAddresses() override { return true; }
    TypedAddress callerAddress(const QString& typed) override;
};
