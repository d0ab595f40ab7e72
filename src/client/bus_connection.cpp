#include "bus_connection.h"

#include <QAtomicInt>

QDBusConnection connectOwnBus(const QString& address, const QString& prefix) {
    static QAtomicInt count;
    const QString name = QStringLiteral("%1-%2").arg(prefix).arg(count.fetchAndAddOrdered(1));
    if (address.isEmpty())
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    return QDBusConnection::connectToBus(address, name);
}

LinkFailure busCallFailure(const QDBusError& error, const std::function<bool()>& stillThere) {
    if (error.type() == QDBusError::ServiceUnknown ||
        error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        error.type() == QDBusError::Disconnected)
        return LinkFailure::NotRunning;
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
        error.type() == QDBusError::TimedOut)
        return stillThere() ? LinkFailure::Timeout : LinkFailure::Disconnected;
    return LinkFailure::Other;
}
