#pragma once

#include "client/link_failure.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QString>

#include <functional>

// A bus connection of a link's own, to `address` or (when it is empty) to the
// session bus, named `prefix` and a number no other connection of this
// process has; QDBusConnection::disconnectFromBus(connection.name()) closes it.
QDBusConnection connectOwnBus(const QString& address, const QString& prefix);

// What a failed method call to the client's name means. The bus says "no reply"
// both when time ran out and when the client left without answering:
// `stillThere` tells which.
LinkFailure busCallFailure(const QDBusError& error, const std::function<bool()>& stillThere);
