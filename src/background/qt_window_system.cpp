#include "qt_window_system.h"

#include "platform/units.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMdiArea>
#include <QPalette>
#include <QStyle>

#include <array>
#include <optional>

namespace {

struct PaletteColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The nearest palette colour to each system colour, by index; none where the
// index has no colour (or is the application workspace, which is the MDI area's).
constexpr std::array<std::optional<PaletteColor>, 31> SystemPalette{{
    PaletteColor{QPalette::Active, QPalette::Button},            // 0 scroll bar
    PaletteColor{QPalette::Active, QPalette::Dark},              // 1 desktop
    PaletteColor{QPalette::Active, QPalette::Highlight},         // 2 active caption
    PaletteColor{QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    PaletteColor{QPalette::Active, QPalette::Window},            // 4 menu
    PaletteColor{QPalette::Active, QPalette::Base},              // 5 window
    PaletteColor{QPalette::Active, QPalette::Shadow},            // 6 window frame
    PaletteColor{QPalette::Active, QPalette::WindowText},        // 7 menu text
    PaletteColor{QPalette::Active, QPalette::Text},              // 8 window text
    PaletteColor{QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    PaletteColor{QPalette::Active, QPalette::Window},            // 10 active border
    PaletteColor{QPalette::Inactive, QPalette::Window},          // 11 inactive border
    std::nullopt,                                                // 12 application workspace
    PaletteColor{QPalette::Active, QPalette::Highlight},         // 13 highlight
    PaletteColor{QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    PaletteColor{QPalette::Active, QPalette::Button},            // 15 button face
    PaletteColor{QPalette::Active, QPalette::Dark},              // 16 button shadow
    PaletteColor{QPalette::Disabled, QPalette::Text},            // 17 grey text
    PaletteColor{QPalette::Active, QPalette::ButtonText},        // 18 button text
    PaletteColor{QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    PaletteColor{QPalette::Active, QPalette::Light},             // 20 button highlight
    PaletteColor{QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    PaletteColor{QPalette::Active, QPalette::Midlight},          // 22 3-D light
    PaletteColor{QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    PaletteColor{QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    std::nullopt,                                                // 25 (none)
    PaletteColor{QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    PaletteColor{QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    PaletteColor{QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    PaletteColor{QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    PaletteColor{QPalette::Active, QPalette::Window},            // 30 menu bar
}};

ColorValue toColorValue(const QColor& color) {
    return static_cast<ColorValue>(color.red()) | static_cast<ColorValue>(color.green()) << 8 |
           static_cast<ColorValue>(color.blue()) << 16;
}

} // namespace

QtWindowSystem::QtWindowSystem() : m_appWorkspace(QMdiArea().background().color()) {}

ColorValue QtWindowSystem::sysColor(int index) const {
    if (index == AppWorkspace)
        return toColorValue(m_appWorkspace);
    if (index < 0 || index >= static_cast<int>(SystemPalette.size()) || !SystemPalette[index])
        return 0;
    const PaletteColor& entry = *SystemPalette[index];
    return toColorValue(QGuiApplication::palette().color(entry.group, entry.role));
}

int QtWindowSystem::systemMetric(int index) const {
    if (index == VerticalScrollBarWidth || index == HorizontalScrollBarHeight)
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return 0;
}

double QtWindowSystem::twipsPerPixelX() const {
    return Units::twipsPerPixel();
}

double QtWindowSystem::twipsPerPixelY() const {
    return Units::twipsPerPixel();
}

bool QtWindowSystem::isWindow(WindowHandle handle) const {
    return find(handle) != nullptr;
}

void QtWindowSystem::refreshFrame(WindowHandle handle) {
    QObject* window = find(handle);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(window))
        area->viewport()->repaint();
    else if (auto* widget = qobject_cast<QWidget*>(window))
        widget->repaint();
}

WindowHandle QtWindowSystem::registerWindow(QObject* window) {
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (it.value().isNull())
            it = m_windows.erase(it);
        else if (it.value() == window)
            return it.key();
        else
            ++it;
    }
    m_windows.insert(++m_lastHandle, window);
    return m_lastHandle;
}

QObject* QtWindowSystem::find(WindowHandle handle) const {
    return handle ? m_windows.value(handle).data() : nullptr;
}

QColor QtWindowSystem::toQColor(ColorValue color) const {
    if (color & 0x80000000u)
        color = sysColor(static_cast<int>(color & 0x7FFFFFFFu));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
