#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window and control geometry is given in twips: 1440 to the inch. The screen's
// logical DPI converts them to pixels (15 twips to a pixel at 96 DPI).
namespace Units {
inline constexpr double TwipsPerInch = 1440.0;

// Logical DPI of the primary screen (96 when there is none).
double screenDpi();
double twipsPerPixel();
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);
} // namespace Units
