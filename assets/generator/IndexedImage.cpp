#include "IndexedImage.h"

#include <utility>

IndexedImage::IndexedImage(int width, int height, std::vector<Rgb> palette, std::uint8_t fill)
    : m_width(width), m_height(height), m_palette(std::move(palette)),
      m_pixels(static_cast<std::size_t>(width * height), fill) {}

bool IndexedImage::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < m_width && y < m_height;
}

void IndexedImage::Set(int x, int y, std::uint8_t index) {
    if (Contains(x, y))
        m_pixels[static_cast<std::size_t>(y * m_width + x)] = index;
}

std::uint8_t IndexedImage::At(int x, int y, std::uint8_t fallback) const {
    return Contains(x, y) ? m_pixels[static_cast<std::size_t>(y * m_width + x)] : fallback;
}

void IndexedImage::FillRect(int left, int top, int right, int bottom, std::uint8_t index) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Set(x, y, index);
}

void IndexedImage::Blit(const IndexedImage& src, int x, int y, int scale) {
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            FillRect(x + sx * scale, y + sy * scale, x + (sx + 1) * scale, y + (sy + 1) * scale,
                     src.At(sx, sy));
}

int IndexedImage::Count(std::uint8_t index) const {
    int n = 0;
    for (std::uint8_t p : m_pixels)
        n += p == index ? 1 : 0;
    return n;
}
