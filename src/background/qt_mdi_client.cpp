#include "qt_mdi_client.h"

#include "platform/run_time_error.h"
#include "qt_drawing_surface.h"
#include "qt_window_system.h"

#include <QBrush>
#include <QMdiArea>

namespace {
constexpr int NameInUseError = 727;
constexpr int ControlNotFoundError = 730;
} // namespace

QtMdiClient::QtMdiClient(QWidget* window, QMdiArea* area, QtWindowSystem& windowSystem)
    : m_window(window), m_area(area), m_windowSystem(windowSystem),
      m_hWnd(windowSystem.registerWindow(area)) {}

int QtMdiClient::windowState() const {
    if (m_window->isMinimized())
        return Minimized;
    return m_window->isMaximized() ? Maximized : Normal;
}

double QtMdiClient::scaleWidth() const {
    return m_area->contentsRect().width() * m_windowSystem.twipsPerPixelX();
}

double QtMdiClient::scaleHeight() const {
    return m_area->contentsRect().height() * m_windowSystem.twipsPerPixelY();
}

DrawingSurface& QtMdiClient::addSurface(const QString& name) {
    if (m_window->objectName() == name || m_window->findChild<QObject*>(name))
        throw RunTimeError(
            NameInUseError,
            UiText(
                "RunTimeError",
                QT_TRANSLATE_NOOP("RunTimeError", "There is already a control with the name '%1'"))
                .arg(name));
    return *new QtDrawingSurface(m_windowSystem, name, m_area);
}

void QtMdiClient::removeSurface(const QString& name) {
    auto* surface = dynamic_cast<QtDrawingSurface*>(m_window->findChild<QObject*>(name));
    if (!surface)
        throw RunTimeError(
            ControlNotFoundError,
            UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Control '%1' not found"))
                .arg(name));
    delete surface;
}

void QtMdiClient::setPicture(const QImage& picture) {
    m_area->setBackground(picture.isNull() ? QBrush() : QBrush(picture));
}
