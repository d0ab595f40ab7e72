#include "single_instance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QLoggingCategory>

#include <utility>

Q_LOGGING_CATEGORY(lcInstance, "pellorin.instance", QtInfoMsg)

namespace {

constexpr int AskTimeoutMs = 5000;

} // namespace

SingleInstance::Claim SingleInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Claim::First;
    const QString name = QLatin1String(ServiceName);
    // Served before the name is taken, so that nobody finds the name without it.
    bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportScriptableSlots);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        qCWarning(lcInstance).noquote()
            << "Could not take the bus name" << name + ":" << reply.error().message();
        return Claim::First;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::First;

    bus.unregisterObject(QLatin1String(ObjectPath));
    QDBusMessage ask = QDBusMessage::createMethodCall(name, QLatin1String(ObjectPath),
                                                      QStringLiteral("org.freedesktop.Application"),
                                                      QStringLiteral("Activate"));
    ask << QVariantMap();
    const QDBusMessage answer = bus.call(ask, QDBus::Block, AskTimeoutMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        qCWarning(lcInstance).noquote()
            << "Pellorin is running already, but did not answer:" << answer.errorMessage();
        return Claim::Failed;
    }
    qCInfo(lcInstance) << "Pellorin is running already: its window is shown.";
    return Claim::HandedOver;
}

void SingleInstance::listen(std::function<void()> show) {
    m_show = std::move(show);
    if (std::exchange(m_missed, false))
        m_show();
}

void SingleInstance::Activate(const QVariantMap& /*platformData*/) {
    qCInfo(lcInstance) << "Started again: showing the window.";
    if (m_show)
        m_show();
    else
        m_missed = true;
}
