#pragma once

#include "drawing_surface.h"

// What the background painter asks of the window system beside its client and
// surface: system colours and metrics, the screen's twips per pixel, whether a
// window still exists, and refreshing a window's frame.
class WindowSystem {
public:
    // System metrics the painter reads, in pixels.
    static constexpr int VerticalScrollBarWidth = 2;    // SM_CXVSCROLL
    static constexpr int HorizontalScrollBarHeight = 3; // SM_CYHSCROLL
    // The system colour of an MDI client area.
    static constexpr int AppWorkspace = 12;

    virtual ~WindowSystem() = default;

    // The RGB value (0x00BBGGRR) of system colour `index`; 0 for an unknown index.
    virtual ColorValue sysColor(int index) const = 0;
    virtual int systemMetric(int index) const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    virtual bool isWindow(WindowHandle handle) const = 0;
    // Makes the window recompute and redraw its frame and client area now, without
    // moving, sizing or restacking it. Nothing is reported.
    virtual void refreshFrame(WindowHandle handle) = 0;
};
