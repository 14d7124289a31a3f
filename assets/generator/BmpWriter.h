#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// Windows BMP with a BITMAPINFOHEADER and a colour table, rows bottom-up and
// padded to 4 bytes. 4 bits per pixel needs a palette of at most 16 colours.
class BmpWriter {
public:
    static std::vector<std::uint8_t> Encode(const IndexedImage& image, int bitsPerPixel);

private:
    static int RowBytes(int width, int bitsPerPixel);
    static std::vector<std::uint8_t> PackRow(const IndexedImage& image, int y, int bitsPerPixel);
};
