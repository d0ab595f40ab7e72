#include "startup.h"

#include "frm_main.h"

#include <QApplication>
#include <QLoggingCategory>

// Off unless asked for (QT_LOGGING_RULES="pellorin.start.debug=true"): the
// start-up benchmark times the program by it.
Q_LOGGING_CATEGORY(lcStart, "pellorin.start", QtInfoMsg)

std::unique_ptr<frmMain> startProgram(const AppServices& services) {
    QApplication::setQuitOnLastWindowClosed(false);
    auto window = std::make_unique<frmMain>(services);
    // At once, not queued: nothing else is handled after the program has ended.
    QObject::connect(window.get(), &frmMain::programEnded, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::DirectConnection);
    window->MDIForm_Load();
    window->placeOnScreen();
    window->show();
    qCDebug(lcStart) << "The main window is shown.";
    return window;
}
