#include "app/client_choice.h"
#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/startup.h"
#include "lists/list_location.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/product.h"
#include "platform/qt_notification_icon.h"
#include "platform/shell_open.h"

#include <QApplication>
#include <QIcon>

#include <memory>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Product::name);
    QApplication::setApplicationVersion(Product::fileVersion);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));

    // Qt has taken its own options out of argv by now.
    const CommandLine commandLine = parseCommandLine(QApplication::arguments().mid(1));
    if (const std::optional<int> status = usageExitStatus(commandLine))
        return *status;
    const auto& options = std::get<CommandLineOptions>(commandLine);
    const std::unique_ptr<AutomationFactory> automation = makeAutomationFactory(options);

    QtMessageBoxService messages;
    DesktopShellOpen shell;
    ThreadPause pause;
    QtNotificationIcon trayIcon;
    const AppServices services{messages, shell,
                               pause,    *automation,
                               trayIcon, ListLocation::choose(QApplication::applicationDirPath())};

    const std::unique_ptr<frmMain> mainWindow = startProgram(services);
    messages.setParent(mainWindow.get());
    return app.exec();
}
