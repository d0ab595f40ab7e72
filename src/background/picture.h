#pragma once

#include <QImage>
#include <QtGlobal>

#include <memory>

// A picture object: an image and its size in HIMETRIC units (1/100 mm). Pictures
// are shared, not copied: whoever is given one keeps a reference to the same object.
class Picture {
public:
    // `image` at `dotsPerInch` gives the size: a 200 x 100 pixel image at 96 DPI
    // is 5292 x 2646 HIMETRIC.
    Picture(const QImage& image, double dotsPerInch);
    // A picture of the given HIMETRIC size (the image may be null).
    Picture(const QImage& image, qint32 widthHimetric, qint32 heightHimetric);

    qint32 widthHimetric() const { return m_width; }
    qint32 heightHimetric() const { return m_height; }
    // The pixels, in a format that draws fast onto an opaque image.
    const QImage& image() const { return m_image; }

    static constexpr double HimetricPerInch = 2540.0;

private:
    QImage m_image;
    qint32 m_width;
    qint32 m_height;
};

using PictureRef = std::shared_ptr<const Picture>;
