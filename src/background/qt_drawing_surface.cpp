#include "qt_drawing_surface.h"

#include "picture.h"
#include "platform/run_time_error.h"
#include "qt_window_system.h"

#include <cmath>

namespace {

constexpr int OutOfMemoryError = 7;
constexpr int InvalidPropertyValueError = 380;

[[noreturn]] void invalidValue() {
    throw RunTimeError(
        InvalidPropertyValueError,
        UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Invalid property value")));
}

// Twips in one unit of a scale mode other than the user's; 0 for an unknown mode.
double twipsPerUnit(int mode, double twipsPerPixel, bool vertical) {
    switch (mode) {
    case ScaleModes::Twips:
        return 1;
    case ScaleModes::Points:
        return 20;
    case ScaleModes::Pixels:
        return twipsPerPixel;
    case ScaleModes::Characters:
        return vertical ? 240 : 120;
    case ScaleModes::Inches:
        return 1440;
    case ScaleModes::Millimeters:
        return 1440 / 25.4;
    case ScaleModes::Centimeters:
        return 1440 / 2.54;
    case ScaleModes::Himetric:
        return 1440 / 2540.0;
    default:
        return 0;
    }
}

int toPixelCount(double twips, double twipsPerPixel) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    if (!(pixels >= 0))
        invalidValue();
    if (pixels > 1 << 15)
        throw RunTimeError(
            OutOfMemoryError,
            UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Out of memory")));
    return static_cast<int>(pixels);
}

} // namespace

QtDrawingSurface::QtDrawingSurface(QtWindowSystem& windowSystem, const QString& name,
                                   QObject* parent)
    : QObject(parent), m_windowSystem(windowSystem), m_hWnd(windowSystem.registerWindow(this)) {
    setObjectName(name);
}

QtDrawingSurface::~QtDrawingSurface() {
    endPainting();
}

void QtDrawingSurface::move(double left, double top, double width, double height) {
    const QSize size(toPixelCount(width, m_windowSystem.twipsPerPixelX()),
                     toPixelCount(height, m_windowSystem.twipsPerPixelY()));
    m_left = left;
    m_top = top;
    if (size == m_image.size())
        return;
    endPainting();
    if (size.isEmpty()) {
        m_image = QImage();
    } else {
        m_image = QImage(size, QImage::Format_RGB32);
        if (m_image.isNull())
            throw RunTimeError(
                OutOfMemoryError,
                UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Out of memory")));
        m_image.fill(m_windowSystem.toQColor(m_backColor));
    }
    if (m_scaleMode != ScaleModes::User)
        resetScale();
}

void QtDrawingSurface::setBackColor(ColorValue color) {
    m_backColor = color;
    if (m_image.isNull())
        return;
    endPainting();
    // Erasing everything needs none of the old pixels: when they are still shared
    // with a picture handed out, start on fresh ones instead of copying them.
    if (!m_image.isDetached())
        m_image = QImage(m_image.size(), m_image.format());
    m_image.fill(m_windowSystem.toQColor(color));
}

void QtDrawingSurface::setScaleMode(int mode) {
    if (mode != ScaleModes::User && twipsPerUnit(mode, 1, false) == 0)
        invalidValue();
    m_scaleMode = mode;
    if (mode != ScaleModes::User)
        resetScale();
}

void QtDrawingSurface::setScaleLeft(double value) {
    m_scaleMode = ScaleModes::User;
    m_scaleLeft = value;
}

void QtDrawingSurface::setScaleTop(double value) {
    m_scaleMode = ScaleModes::User;
    m_scaleTop = value;
}

void QtDrawingSurface::setScaleWidth(double value) {
    if (value == 0)
        invalidValue();
    m_scaleMode = ScaleModes::User;
    m_scaleWidth = value;
}

void QtDrawingSurface::setScaleHeight(double value) {
    if (value == 0)
        invalidValue();
    m_scaleMode = ScaleModes::User;
    m_scaleHeight = value;
}

double QtDrawingSurface::twipsPerUnitX(int mode) const {
    if (mode == ScaleModes::User)
        return m_scaleWidth ? m_image.width() * m_windowSystem.twipsPerPixelX() / m_scaleWidth : 0;
    return twipsPerUnit(mode, m_windowSystem.twipsPerPixelX(), false);
}

double QtDrawingSurface::twipsPerUnitY(int mode) const {
    if (mode == ScaleModes::User)
        return m_scaleHeight ? m_image.height() * m_windowSystem.twipsPerPixelY() / m_scaleHeight
                             : 0;
    return twipsPerUnit(mode, m_windowSystem.twipsPerPixelY(), true);
}

float QtDrawingSurface::scaleX(float value, int fromMode, int toMode) const {
    const double from = twipsPerUnitX(fromMode);
    const double to = twipsPerUnitX(toMode);
    if (from == 0 || to == 0)
        invalidValue();
    return static_cast<float>(value * from / to);
}

float QtDrawingSurface::scaleY(float value, int fromMode, int toMode) const {
    const double from = twipsPerUnitY(fromMode);
    const double to = twipsPerUnitY(toMode);
    if (from == 0 || to == 0)
        invalidValue();
    return static_cast<float>(value * from / to);
}

void QtDrawingSurface::resetScale() {
    m_scaleLeft = 0;
    m_scaleTop = 0;
    m_scaleWidth = m_image.width() * m_windowSystem.twipsPerPixelX() / twipsPerUnitX(m_scaleMode);
    m_scaleHeight = m_image.height() * m_windowSystem.twipsPerPixelY() / twipsPerUnitY(m_scaleMode);
}

QPointF QtDrawingSurface::toPixels(double x, double y) const {
    return QPointF((x - m_scaleLeft) * m_image.width() / m_scaleWidth,
                   (y - m_scaleTop) * m_image.height() / m_scaleHeight);
}

QPainter* QtDrawingSurface::painter() {
    if (m_image.isNull())
        return nullptr;
    if (!m_painter.isActive() && !m_painter.begin(&m_image))
        throw RunTimeError(
            OutOfMemoryError,
            UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Out of memory")));
    return &m_painter;
}

void QtDrawingSurface::endPainting() {
    if (m_painter.isActive())
        m_painter.end();
}

void QtDrawingSurface::fillBox(double x1, double y1, double x2, double y2, ColorValue color) {
    QPainter* p = painter();
    if (!p)
        return;
    const QPointF a = toPixels(x1, y1);
    const QPointF b = toPixels(x2, y2);
    const QPoint topLeft(qRound(std::min(a.x(), b.x())), qRound(std::min(a.y(), b.y())));
    const QPoint bottomRight(qRound(std::max(a.x(), b.x())), qRound(std::max(a.y(), b.y())));
    p->fillRect(QRect(topLeft, bottomRight), m_windowSystem.toQColor(color));
}

void QtDrawingSurface::paintPicture(const Picture& picture, double x, double y) {
    // Its own size, HIMETRIC in pixels: the image's own pixels at the screen's resolution.
    const QSize size(qRound(picture.widthHimetric() * twipsPerUnit(ScaleModes::Himetric, 1, false) /
                            m_windowSystem.twipsPerPixelX()),
                     qRound(picture.heightHimetric() * twipsPerUnit(ScaleModes::Himetric, 1, true) /
                            m_windowSystem.twipsPerPixelY()));
    QPainter* p = painter();
    if (!p || picture.image().isNull())
        return;
    const QPointF at = toPixels(x, y);
    const QPoint origin(qRound(at.x()), qRound(at.y()));
    if (size == picture.image().size())
        p->drawImage(origin, picture.image());
    else
        p->drawImage(QRect(origin, size), picture.image());
}

void QtDrawingSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                    double height) {
    QPainter* p = painter();
    if (!p || picture.image().isNull())
        return;
    const QPointF a = toPixels(x, y);
    const QPointF b = toPixels(x + width, y + height);
    // A negative width or height draws the picture mirrored.
    const QImage& source = picture.image();
    const QRect target = QRect(QPoint(qRound(a.x()), qRound(a.y())),
                               QPoint(qRound(b.x()), qRound(b.y())) - QPoint(1, 1));
    if (width >= 0 && height >= 0)
        p->drawImage(target, source);
    else
        p->drawImage(target.normalized(), source.mirrored(width < 0, height < 0));
}

QImage QtDrawingSurface::image() {
    endPainting();
    return m_image;
}
