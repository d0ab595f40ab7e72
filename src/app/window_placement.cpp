#include "window_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect WindowPlacement::firstPlace(QSize frame, const QRect& available) {
    frame = frame.boundedTo(available.size());
    QRect place(QPoint(), frame);
    place.moveCenter(available.center());
    return place;
}

void WindowPlacement::place(QWidget& window, const QByteArray& saved) {
    // Qt brings a window back onto the screens when the one it was saved on is
    // gone; one that still falls outside them all opens as the first time.
    if (!saved.isEmpty() && window.restoreGeometry(saved) &&
        QGuiApplication::screenAt(window.geometry().center()))
        return;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's edges are the window manager's; until the window is shown they
    // are guessed from the title bar's usual height.
    const int titleBar = 32, border = 4;
    const QSize extra(2 * border, titleBar + border);
    const QRect frame = firstPlace(window.size() + extra, screen->availableGeometry());
    window.resize(frame.size() - extra);
    window.move(frame.topLeft());
}
