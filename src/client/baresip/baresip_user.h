#pragma once

#include "client/automation.h"

#include <memory>
#include <optional>

class BaresipSession;

// A contact of baresip, by handle. baresip holds no profile: FullName and
// DisplayName are the contact's display name, the other properties are empty
// (Sex unknown, Birthday unset). A handle that is no contact has an empty name.
class BaresipUser : public SkypeUser {
public:
    // `displayName`: known already (from the contact list), or looked up when read.
    BaresipUser(std::shared_ptr<BaresipSession> session, QString handle,
                std::optional<QString> displayName = std::nullopt);

    QString handle() override { return m_handle; }
    QVariant property(const QString& name) override;

private:
    std::shared_ptr<BaresipSession> m_session;
    QString m_handle;
    std::optional<QString> m_displayName;
};
