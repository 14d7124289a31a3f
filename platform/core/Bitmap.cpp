#include "Bitmap.h"

#include <utility>

namespace {
QImage InSurfaceFormat(const QImage& image) {
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

Bitmap::Bitmap(const QImage& image) : m_image(InSurfaceFormat(image)) {}

Bitmap Bitmap::Deferred(std::function<QImage()> decode) {
    Bitmap bitmap;
    bitmap.m_decode = std::move(decode);
    return bitmap;
}

Bitmap Bitmap::Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Bitmap(image);
}

QImage& Bitmap::Image() {
    Pixels();
    return m_image;
}

const QImage& Bitmap::Pixels() const {
    if (m_decode)
        m_image = InSurfaceFormat(std::exchange(m_decode, nullptr)());
    return m_image;
}
