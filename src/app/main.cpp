#include "app/frm_main.h"
#include "app/startup.h"
#include "lists/list_location.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/product.h"
#include "platform/qt_notification_icon.h"
#include "platform/shell_open.h"
#include "skype/dbus_automation.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Product::name);
    QApplication::setApplicationVersion(Product::fileVersion);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));

    QtMessageBoxService messages;
    DesktopShellOpen shell;
    ThreadPause pause;
    DBusAutomationFactory automation;
    QtNotificationIcon trayIcon;
    const AppServices services{messages, shell,
                               pause,    automation,
                               trayIcon, ListLocation::choose(QApplication::applicationDirPath())};

    const std::unique_ptr<frmMain> mainWindow = startProgram(services);
    messages.setParent(mainWindow.get());
    return app.exec();
}
