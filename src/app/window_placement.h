#pragma once

#include <QByteArray>
#include <QRect>

class QWidget;

// Where the main window opens: where the user left it (size, place, maximised),
// or, the first time, wholly on the screen the pointer is on.
class WindowPlacement {
public:
    // A window that wants `frame` (its frame, the title bar included) on a screen
    // whose free area is `available`: as large as fits, in the middle.
    static QRect firstPlace(QSize frame, const QRect& available);

    // Places `window` before it is shown: by `saved` (QWidget::saveGeometry)
    // when that gives a place on a screen there is now, else as the first time.
    static void place(QWidget& window, const QByteArray& saved);
};
