#include "units.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Units {

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

double twipsPerPixel() {
    return TwipsPerInch / screenDpi();
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace Units
