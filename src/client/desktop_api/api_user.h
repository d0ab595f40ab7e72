#pragma once

#include "client/automation.h"

#include <memory>

class ApiSession;

// A user of the client, by handle. Nothing is asked until a property is read;
// a handle that names nobody fails then, with the client's error.
class ApiUser : public SkypeUser {
public:
    ApiUser(std::shared_ptr<ApiSession> session, QString handle);

    QString handle() override { return m_handle; }
    QVariant property(const QString& name) override;

private:
    std::shared_ptr<ApiSession> m_session;
    QString m_handle;
};
