#include "ImageMeasure.h"

template <typename Pred> Box ImageMeasure::BoxOf(const IndexedImage& image, Pred pred) {
    Box box;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            if (!pred(image.At(x, y)))
                continue;
            if (box.Empty()) {
                box = {x, y, x, y};
                continue;
            }
            box.left = x < box.left ? x : box.left;
            box.right = x > box.right ? x : box.right;
            box.bottom = y;
        }
    return box;
}

Box ImageMeasure::InkBox(const IndexedImage& image) {
    return BoxOf(image, [](std::uint8_t c) { return c != White && c != Green; });
}

Box ImageMeasure::GreenBox(const IndexedImage& image) {
    return BoxOf(image, [](std::uint8_t c) { return c == Green; });
}

bool ImageMeasure::GreenAround(const IndexedImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.At(x + dx, y + dy) == Green)
                return true;
    return false;
}

bool ImageMeasure::InkTouchesGreen(const IndexedImage& image, const Box& area) {
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x) {
            const std::uint8_t c = image.At(x, y);
            if (c != White && c != Green && GreenAround(image, x, y))
                return true;
        }
    return false;
}
