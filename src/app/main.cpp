#include "app/frm_main.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/product.h"
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
    const AppServices services{messages, shell, pause, automation,
                               QApplication::applicationDirPath()};

    frmMain mainWindow(services);
    QObject::connect(&mainWindow, &frmMain::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainWindow.MDIForm_Load();
    messages.setParent(&mainWindow);
    mainWindow.show();
    return app.exec();
}
