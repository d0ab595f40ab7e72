#pragma once

#include "client/automation.h"

#include <memory>

class JamiSession;

// A contact of jamid, by handle. FullName is the name in the profile the
// contact sent, else the name it registered; DisplayName the registered name,
// else the profile's (both empty while none is known). jamid keeps nothing else
// of a contact that the program could read: the other properties are empty
// (Sex unknown, Birthday unset).
class JamiUser : public SkypeUser {
public:
    JamiUser(std::shared_ptr<JamiSession> session, QString handle)
        : m_session(std::move(session)), m_handle(std::move(handle)) {}

    QString handle() override { return m_handle; }
    QVariant property(const QString& name) override;

private:
    std::shared_ptr<JamiSession> m_session;
    QString m_handle;
};
