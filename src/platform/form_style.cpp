#include "form_style.h"

#include "units.h"

#include <QApplication>
#include <QGroupBox>

namespace FormStyle {

namespace {
const QColor FrameTextColour(0x40, 0x00, 0x00);
} // namespace

QFont windowFont() {
    QFont font;
    // Where the classic narrow sans face is missing, one with its metrics.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont frameFont() {
    QFont font = windowFont();
    font.setWeight(QFont::Bold);
    return font;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(Units::twipsRect(left, top, width, height));
    frame->setFont(frameFont());
    QPalette pal = frame->palette();
    pal.setColor(QPalette::WindowText, FrameTextColour);
    frame->setPalette(pal);
    return frame;
}

void usePlainStyle(QWidget* control, const QWidget* window) {
    control->setFont(windowFont());
    // Every colour role set, so that none is taken from the frame's caption.
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Window, window->palette().color(QPalette::Window));
    control->setPalette(pal);
}

} // namespace FormStyle
