#pragma once

#include "mdi_client.h"

class QMdiArea;
class QtWindowSystem;
class QWidget;

// A Qt main window and its MDI area as the background painter's client: the
// window's state, the area's size, and the area's background brush as the picture.
// Surfaces are child objects of the area; control names are unique in the window.
// The window raises the resize notifications (raiseResize) itself.
class QtMdiClient : public MdiClient {
public:
    QtMdiClient(QWidget* window, QMdiArea* area, QtWindowSystem& windowSystem);

    int windowState() const override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    WindowHandle hWnd() const override { return m_hWnd; }

    DrawingSurface& addSurface(const QString& name) override;
    void removeSurface(const QString& name) override;
    void setPicture(const QImage& picture) override;

private:
    QWidget* m_window;
    QMdiArea* m_area;
    QtWindowSystem& m_windowSystem;
    WindowHandle m_hWnd;
};
