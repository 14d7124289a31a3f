#pragma once

#include "Palette.h"

#include <cstdint>
#include <vector>

// A palette picture: one palette index per pixel. Writes outside the image
// are dropped and reads outside it return the fallback, so drawing code can
// clip by simply trying.
class IndexedImage {
public:
    IndexedImage(int width, int height, std::vector<Rgb> palette, std::uint8_t fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<Rgb>& Colours() const { return m_palette; }

    bool Contains(int x, int y) const;
    void Set(int x, int y, std::uint8_t index);
    std::uint8_t At(int x, int y, std::uint8_t fallback = White) const;
    void FillRect(int left, int top, int right, int bottom, std::uint8_t index);
    // Copies src with its top-left corner at (x, y), each pixel as a
    // scale x scale block; palette indices are taken over unchanged.
    void Blit(const IndexedImage& src, int x, int y, int scale = 1);
    int Count(std::uint8_t index) const;

private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_palette;
    std::vector<std::uint8_t> m_pixels;
};
