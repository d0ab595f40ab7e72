#include "shell_open.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShellOpen::open(const QString& address, bool /*maximised*/) {
    // Desktop services cannot ask the browser for a window state; the browser
    // keeps its own.
    QDesktopServices::openUrl(QUrl(address));
}
