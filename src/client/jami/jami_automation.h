#pragma once

#include "client/jami/jami_session.h"
#include "client/session_automation.h"

// An automation object over jamid's API. Objects of one factory share one
// session; only those that attached raise events (NamesChanged reaches all).
class JamiAutomation : public SessionAutomation<JamiSession> {
    Q_OBJECT
public:
    explicit JamiAutomation(std::shared_ptr<JamiSession> session);

    // The contacts of jamid's enabled accounts; each handle is the contact's
    // id (a Jami id, or user@host of a SIP account).
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;
    // A Jami contact by the name people know (see JamiNames::shown).
    QString shownName(const QString& handle) override;
    // A Jami ID, or the address of a SIP account's caller.
    bool takesAddresses() override { return true; }
    TypedAddress callerAddress(const QString& typed) override;
};
