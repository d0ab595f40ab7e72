#include "client_choice.h"

#include "app/command_line.h"
#include "client/baresip/baresip_automation_factory.h"
#include "client/desktop_api/dbus_automation.h"
#include "client/jami/jami_automation_factory.h"

std::unique_ptr<AutomationFactory> makeAutomationFactory(const CommandLineOptions& options) {
    switch (options.client) {
    case CommandLineOptions::Client::Baresip:
        return std::make_unique<BaresipAutomationFactory>(options.baresipHost,
                                                          options.baresipPort);
    case CommandLineOptions::Client::Jami:
        return std::make_unique<JamiAutomationFactory>();
    case CommandLineOptions::Client::DesktopApi:
        break;
    }
    return std::make_unique<DBusAutomationFactory>();
}

QString clientName(const CommandLineOptions& options) {
    switch (options.client) {
    case CommandLineOptions::Client::Baresip:
        return QStringLiteral("baresip");
    case CommandLineOptions::Client::Jami:
        return QStringLiteral("jami");
    case CommandLineOptions::Client::DesktopApi:
        break;
    }
    return QStringLiteral("desktop-api");
}
