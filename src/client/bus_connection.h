#pragma once

#include <QDBusConnection>
#include <QString>

// A bus connection of a link's own, to `address` or (when it is empty) to the
// session bus, named `prefix` and a number no other connection of this
// process has; QDBusConnection::disconnectFromBus(connection.name()) closes it.
QDBusConnection connectOwnBus(const QString& address, const QString& prefix);
