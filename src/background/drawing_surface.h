#pragma once

#include <QImage>
#include <QtGlobal>

class Picture;

// A colour value: bit 31 clear, an RGB value laid out as 0x00BBGGRR (red in the
// lowest byte); bit 31 set, the system colour whose index is the low 31 bits.
using ColorValue = quint32;
// The handle of a window or of a drawing surface; 0 is no window.
using WindowHandle = quint32;

// Scale modes of a drawing surface: 0 is a coordinate system of the caller's own
// (scale left, top, width and height); the others are units.
namespace ScaleModes {
inline constexpr int User = 0;
inline constexpr int Twips = 1;
inline constexpr int Points = 2;
inline constexpr int Pixels = 3;
inline constexpr int Characters = 4;
inline constexpr int Inches = 5;
inline constexpr int Millimeters = 6;
inline constexpr int Centimeters = 7;
inline constexpr int Himetric = 8;
} // namespace ScaleModes

// The hidden drawing surface that the background painter adds to its client window
// and composes the background on. What is drawn stays in the surface's own image
// until it is erased or drawn over, except that sizing the surface starts it afresh,
// filled with its back colour. Coordinates are in the current scale; a new surface
// is in twips. Every operation may fail with a RunTimeError.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Set-up: keep drawing in the surface's own image, no border, no clipping
    // around child controls.
    virtual void setAutoRedraw(bool on) = 0;
    virtual void setBorderStyle(int style) = 0;
    virtual void setClipControls(bool on) = 0;
    virtual WindowHandle hWnd() const = 0;

    // Places and sizes the surface in the client's coordinates, in twips.
    virtual void move(double left, double top, double width, double height) = 0;
    // Erases the whole surface to `color` (system colours included).
    virtual void setBackColor(ColorValue color) = 0;

    // Assigning a mode other than 0 resets the coordinates to that unit with the
    // origin at the top-left corner; assigning any of the four scale values makes
    // the mode 0 with those values.
    virtual int scaleMode() const = 0;
    virtual void setScaleMode(int mode) = 0;
    virtual void setScaleLeft(double value) = 0;
    virtual void setScaleTop(double value) = 0;
    virtual void setScaleWidth(double value) = 0;
    virtual void setScaleHeight(double value) = 0;
    // The inner size in the current scale.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    // A horizontal or vertical length converted between two scale modes.
    virtual float scaleX(float value, int fromMode, int toMode) const = 0;
    virtual float scaleY(float value, int fromMode, int toMode) const = 0;

    // Fills the box between two corners, both included, with `color`.
    virtual void fillBox(double x1, double y1, double x2, double y2, ColorValue color) = 0;
    // Draws `picture` with its top-left corner at (x, y), at its own size.
    virtual void paintPicture(const Picture& picture, double x, double y) = 0;
    // Draws `picture` with its top-left corner at (x, y), scaled to width by height.
    virtual void paintPicture(const Picture& picture, double x, double y, double width,
                              double height) = 0;

    // A picture of what the surface holds now.
    virtual QImage image() = 0;
};
