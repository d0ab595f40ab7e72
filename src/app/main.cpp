#include "answering/call_log_file.h"
#include "app/client_choice.h"
#include "app/client_in_use.h"
#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/preferences.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "app/translations.h"
#include "lists/list_location.h"
#include "platform/dbus_desktop_notifications.h"
#include "platform/message_box.h"
#include "platform/one_box_at_a_time.h"
#include "platform/pause.h"
#include "platform/product.h"
#include "platform/qt_notification_icon.h"
#include "platform/shell_open.h"

#include <QApplication>
#include <QIcon>

#include <memory>
#include <optional>

int main(int argc, char* argv[]) {
    // The command line is read before the application object is made, which needs
    // a display: --help and a usage error need none.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (const std::optional<int> status = usageExitStatus(commandLine))
        return *status;

    QApplication app(argc, argv);
    // The windows speak the desktop's language; --help above and the log stay English.
    Translations translations;
    translations.install();
    QApplication::setApplicationName(Product::name);
    QApplication::setApplicationVersion(Product::fileVersion);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));
    const auto& options = std::get<CommandLineOptions>(commandLine);

    // A second start shows the first one's window and ends.
    SingleInstance instance;
    switch (instance.claim()) {
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::Failed:
        return 1;
    case SingleInstance::Claim::First:
        break;
    }
    // The settings, and the client: the command line's, the one saved, or the one
    // that runs.
    Settings settings(Settings::defaultPath());
    SessionRunningClients running;
    const ClientChoice choice = chooseClient(options, settings.saved(), running);
    ClientInUse automation(choice.setup);

    QtMessageBoxService boxes;
    OneBoxAtATime messages(boxes);
    DesktopShellOpen shell;
    ThreadPause pause;
    QtNotificationIcon trayIcon;
    DbusDesktopNotifications notifications;
    CallLogFile calls(CallLogFile::defaultPath(), clientId(automation.setup().client));
    Preferences preferences(
        settings, automation,
        AutostartEntry(AutostartEntry::defaultPath(),
                       AutostartEntry::commandFor(QApplication::applicationFilePath())),
        messages, &calls);
    const AppServices services{.messages = messages,
                               .shell = shell,
                               .pause = pause,
                               .automation = automation,
                               .trayIcon = trayIcon,
                               .programDir =
                                   ListLocation::choose(QApplication::applicationDirPath()),
                               .callRecord = &calls,
                               .autoAttach = options.autoAttach || settings.saved().autoAttach,
                               .preferences = &preferences,
                               .callLogPath = calls.path(),
                               .notifications = &notifications};

    // Attaching by itself with no client chosen: the one that comes is used.
    if (choice.search)
        preferences.searchForClient(running);

    const std::unique_ptr<frmMain> mainWindow = startProgram(services);
    instance.listen([window = mainWindow.get()] { window->bringBack(); });
    boxes.setParent(mainWindow.get());
    return app.exec();
}
