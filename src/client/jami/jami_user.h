#pragma once

#include "client/automation.h"

// A contact of jamid, by handle. jamid keeps no profile of its contacts that
// the program could read: every property is empty (Sex unknown, Birthday
// unset).
class JamiUser : public SkypeUser {
public:
    explicit JamiUser(QString handle) : m_handle(std::move(handle)) {}

    QString handle() override { return m_handle; }
    QVariant property(const QString& name) override;

private:
    QString m_handle;
};
