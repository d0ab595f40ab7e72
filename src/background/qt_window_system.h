#pragma once

#include "window_system.h"

#include <QColor>
#include <QHash>
#include <QPointer>

class QObject;

// The window system on Qt. System colours come from the application's palette
// (the application workspace is the MDI area's own default background), scroll-bar
// sizes from the style, twips per pixel from the screen. Handles are numbers this
// object gives to the windows and surfaces registered with it; a handle stays
// valid while its object lives and is never given again.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();

    ColorValue sysColor(int index) const override;
    int systemMetric(int index) const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    bool isWindow(WindowHandle handle) const override;
    // Repaints a registered scroll area's viewport, or a registered widget, at once.
    void refreshFrame(WindowHandle handle) override;

    // The handle of `window`, registering it on first use.
    WindowHandle registerWindow(QObject* window);
    // A colour value as a QColor, system colours resolved.
    QColor toQColor(ColorValue color) const;

private:
    QObject* find(WindowHandle handle) const;

    QColor m_appWorkspace;
    WindowHandle m_lastHandle = 0;
    QHash<WindowHandle, QPointer<QObject>> m_windows;
};
