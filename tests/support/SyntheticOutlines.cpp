#include "SyntheticOutlines.h"

namespace {
constexpr QRgb kGreen = 0xFF00FF00;

void PutCell(QImage& image, int x, int y) {
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            image.setPixel(x + dx, y + dy, kGreen);
}
} // namespace

namespace SyntheticOutlines {
QImage Blank() {
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage EdgeRing() {
    QImage image = Blank();
    for (int i = 0; i <= 248; i += 2) {
        PutCell(image, i, 0);
        PutCell(image, i, 248);
        PutCell(image, 0, i);
        PutCell(image, 248, i);
    }
    return image;
}

QImage WithCells(std::initializer_list<std::pair<int, int>> cells) {
    QImage image = Blank();
    for (const auto& [x, y] : cells)
        PutCell(image, x, y);
    return image;
}

QImage Thumbnail(QRgb fill) {
    QImage image(21, 21, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 1; y < 20; ++y)
        for (int x = 1; x < 20; ++x)
            image.setPixel(x, y, fill);
    return image;
}
} // namespace SyntheticOutlines
