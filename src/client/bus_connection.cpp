#include "bus_connection.h"

#include <QAtomicInt>

QDBusConnection connectOwnBus(const QString& address, const QString& prefix) {
    static QAtomicInt count;
    const QString name = QStringLiteral("%1-%2").arg(prefix).arg(count.fetchAndAddOrdered(1));
    if (address.isEmpty())
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    return QDBusConnection::connectToBus(address, name);
}
