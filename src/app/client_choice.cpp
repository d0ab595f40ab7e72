#include "client_choice.h"

#include "app/settings.h"
#include "client/baresip/baresip_automation_factory.h"
#include "client/desktop_api/dbus_automation.h"
#include "client/desktop_api/dbus_transport.h"
#include "client/jami/dbus_jami_bus.h"
#include "client/jami/jami_automation_factory.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLoggingCategory>
#include <QTcpSocket>

Q_LOGGING_CATEGORY(lcClient, "pellorin.client", QtInfoMsg)

namespace {

// How long a look at baresip's control address may take.
constexpr int ConnectMs = 250;

bool nameOwned(const char* name) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(QLatin1String(name));
    return owned.isValid() && owned.value();
}

ClientChoice found(ClientSetup::Client client, const ClientSetup& setup, const QString& why) {
    ClientSetup chosen = setup;
    chosen.client = client;
    return {chosen, why};
}

ClientChoice choose(const CommandLineOptions& options, const SavedSettings& saved,
                    RunningClients& running) {
    ClientSetup setup;
    if (options.controlGiven)
        setup.baresipControl = {options.baresipHost, options.baresipPort};
    else if (saved.baresipControl)
        setup.baresipControl = *saved.baresipControl;
    if (options.clientGiven)
        return found(options.client, setup, QStringLiteral("given on the command line"));
    if (saved.client)
        return found(*saved.client, setup, QStringLiteral("chosen in Options"));
    if (std::optional<ClientChoice> runs = findRunningClient(setup, running))
        return *runs;
    if (options.autoAttach || saved.autoAttach) {
        ClientChoice waiting = found(
            ClientSetup::Client::DesktopApi, setup,
            QStringLiteral("none found running (nor chosen in Options), so the default until one "
                           "runs: attaching by itself, Pellorin goes on looking"));
        waiting.search = true;
        return waiting;
    }
    return found(ClientSetup::Client::DesktopApi, setup,
                 QStringLiteral("none found running (nor chosen in Options), so the default"));
}

} // namespace

bool SessionRunningClients::jami() {
    return nameOwned(DBusJamiBus::ServiceName);
}

bool SessionRunningClients::desktopApi() {
    return nameOwned(DBusTransport::ServiceName);
}

bool SessionRunningClients::baresip(const ControlAddress& control) {
    QTcpSocket socket;
    socket.connectToHost(control.host, control.port);
    const bool listening = socket.waitForConnected(ConnectMs);
    socket.abort();
    return listening;
}

std::optional<ClientChoice> findRunningClient(const ClientSetup& setup, RunningClients& running) {
    using Client = ClientSetup::Client;
    if (running.jami())
        return found(Client::Jami, setup,
                     QStringLiteral("found running: the bus name %1 has an owner")
                         .arg(QLatin1String(DBusJamiBus::ServiceName)));
    if (running.desktopApi())
        return found(Client::DesktopApi, setup,
                     QStringLiteral("found running: the bus name %1 has an owner")
                         .arg(QLatin1String(DBusTransport::ServiceName)));
    if (running.baresip(setup.baresipControl))
        return found(Client::Baresip, setup,
                     QStringLiteral("found running: something listens on %1")
                         .arg(controlAddressText(setup.baresipControl)));
    return std::nullopt;
}

ClientChoice chooseClient(const CommandLineOptions& options, const SavedSettings& saved,
                          RunningClients& running) {
    const ClientChoice choice = choose(options, saved, running);
    logClientChoice(choice);
    return choice;
}

void logClientChoice(const ClientChoice& choice) {
    QString client = clientId(choice.setup.client);
    if (choice.setup.client == ClientSetup::Client::Baresip)
        client += QStringLiteral(" at ") + controlAddressText(choice.setup.baresipControl);
    qCInfo(lcClient).noquote()
        << QStringLiteral("The calling client is %1, %2.").arg(client, choice.why);
}

std::unique_ptr<AutomationFactory> makeAutomationFactory(const ClientSetup& setup) {
    switch (setup.client) {
    case ClientSetup::Client::Baresip:
        return std::make_unique<BaresipAutomationFactory>(setup.baresipControl.host,
                                                          setup.baresipControl.port);
    case ClientSetup::Client::Jami:
        return std::make_unique<JamiAutomationFactory>();
    case ClientSetup::Client::DesktopApi:
        break;
    }
    return std::make_unique<DBusAutomationFactory>();
}

QString clientTextName(CommandLineOptions::Client client) {
    switch (client) {
    case CommandLineOptions::Client::Baresip:
        return QStringLiteral("baresip");
    case CommandLineOptions::Client::Jami:
        return QStringLiteral("Jami");
    case CommandLineOptions::Client::DesktopApi:
        break;
    }
    return ClientTexts::DesktopApiName;
}
