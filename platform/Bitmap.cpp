#include "Bitmap.h"

Bitmap::Bitmap(const QImage& image)
    : m_image(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32)) {}

Bitmap Bitmap::Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Bitmap(image);
}
