#pragma once

#include <QFont>
#include <QString>

class QGroupBox;
class QWidget;

// The look the program's windows share: the classic sans window font, and frames
// whose caption is bold and dark red.
namespace FormStyle {

// The window's default font, every property set, so that a control inside a frame
// does not take the frame's bold caption font.
QFont windowFont();
QFont frameFont();

// A frame (group box) named `name` at the given place, in twips, in the frame style.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height);

// A control inside a frame: the window's plain font and colours, not the frame's.
void usePlainStyle(QWidget* control, const QWidget* window);

} // namespace FormStyle
