#include "picture.h"

#include <cmath>

namespace {

QImage drawable(const QImage& image) {
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

qint32 himetric(int pixels, double dotsPerInch) {
    if (!(dotsPerInch > 0))
        dotsPerInch = 96.0;
    return static_cast<qint32>(std::lround(pixels * Picture::HimetricPerInch / dotsPerInch));
}

} // namespace

Picture::Picture(const QImage& image, double dotsPerInch)
    : m_image(drawable(image)), m_width(himetric(image.width(), dotsPerInch)),
      m_height(himetric(image.height(), dotsPerInch)) {}

Picture::Picture(const QImage& image, qint32 widthHimetric, qint32 heightHimetric)
    : m_image(drawable(image)), m_width(widthHimetric), m_height(heightHimetric) {}
