#pragma once

#include "client/automation.h"

#include <memory>
#include <optional>

class JamiSession;

// A contact of jamid, by handle. jamid keeps no profile of its contacts that
// the program could read: FullName and DisplayName are the name jamid knows
// for the contact (mostly none), the other properties are empty (Sex unknown,
// Birthday unset).
class JamiUser : public SkypeUser {
public:
    // `displayName`: known already (from the contact list), or looked up when read.
    JamiUser(std::shared_ptr<JamiSession> session, QString handle,
             std::optional<QString> displayName = std::nullopt);

    QString handle() override { return m_handle; }
    QVariant property(const QString& name) override;

private:
    std::shared_ptr<JamiSession> m_session;
    QString m_handle;
    std::optional<QString> m_displayName;
};
