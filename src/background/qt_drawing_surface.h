#pragma once

#include "drawing_surface.h"

#include <QImage>
#include <QObject>
#include <QPainter>

class QtWindowSystem;

// The drawing surface on Qt: an off-screen image, never shown, owned by its
// window as a child object named after the control. Coordinates in twips map to
// the screen's pixels.
class QtDrawingSurface : public QObject, public DrawingSurface {
public:
    QtDrawingSurface(QtWindowSystem& windowSystem, const QString& name, QObject* parent);
    ~QtDrawingSurface() override;

    void setAutoRedraw(bool on) override { m_autoRedraw = on; }
    void setBorderStyle(int style) override { m_borderStyle = style; }
    void setClipControls(bool on) override { m_clipControls = on; }
    WindowHandle hWnd() const override { return m_hWnd; }

    void move(double left, double top, double width, double height) override;
    void setBackColor(ColorValue color) override;

    int scaleMode() const override { return m_scaleMode; }
    void setScaleMode(int mode) override;
    void setScaleLeft(double value) override;
    void setScaleTop(double value) override;
    void setScaleWidth(double value) override;
    void setScaleHeight(double value) override;
    double scaleWidth() const override { return m_scaleWidth; }
    double scaleHeight() const override { return m_scaleHeight; }
    float scaleX(float value, int fromMode, int toMode) const override;
    float scaleY(float value, int fromMode, int toMode) const override;

    void fillBox(double x1, double y1, double x2, double y2, ColorValue color) override;
    void paintPicture(const Picture& picture, double x, double y) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;

    QImage image() override;

private:
    double twipsPerUnitX(int mode) const;
    double twipsPerUnitY(int mode) const;
    void resetScale();
    QPointF toPixels(double x, double y) const;
    // The painter on the image, begun on first use after the image was handed out;
    // null while the surface has no pixels.
    QPainter* painter();
    void endPainting();

    QtWindowSystem& m_windowSystem;
    WindowHandle m_hWnd;
    bool m_autoRedraw = false;
    int m_borderStyle = 1;
    bool m_clipControls = true;
    double m_left = 0;
    double m_top = 0;
    ColorValue m_backColor = 0x8000000F; // button face
    int m_scaleMode = ScaleModes::Twips;
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
    QImage m_image;
    QPainter m_painter;
};
