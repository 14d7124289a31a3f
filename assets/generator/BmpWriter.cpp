#include "BmpWriter.h"

#include "ByteBuffer.h"

#include <stdexcept>

namespace {
constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
} // namespace

int BmpWriter::RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

std::vector<std::uint8_t> BmpWriter::PackRow(const IndexedImage& image, int y, int bitsPerPixel) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(RowBytes(image.Width(), bitsPerPixel)),
                                  0);
    for (int x = 0; x < image.Width(); ++x) {
        const std::uint8_t index = image.At(x, y);
        if (bitsPerPixel == 8)
            row[static_cast<std::size_t>(x)] = index;
        else // the left pixel of each pair sits in the high nibble
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    return row;
}

std::vector<std::uint8_t> BmpWriter::Encode(const IndexedImage& image, int bitsPerPixel) {
    const int colours = static_cast<int>(image.Colours().size());
    if ((bitsPerPixel != 4 && bitsPerPixel != 8) || colours > (1 << bitsPerPixel))
        throw std::invalid_argument("BMP: unsupported depth for this palette");
    const int pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;
    const int imageBytes = RowBytes(image.Width(), bitsPerPixel) * image.Height();

    ByteBuffer out;
    out.Tag("BM");
    out.U32(static_cast<std::uint32_t>(pixelOffset + imageBytes));
    out.U32(0); // two reserved words
    out.U32(static_cast<std::uint32_t>(pixelOffset));

    out.U32(kInfoHeaderBytes);
    out.U32(static_cast<std::uint32_t>(image.Width()));
    out.U32(static_cast<std::uint32_t>(image.Height())); // positive: bottom-up
    out.U16(1);                                          // planes
    out.U16(bitsPerPixel);
    out.U32(0); // no compression
    out.U32(static_cast<std::uint32_t>(imageBytes));
    out.U32(0); // no preferred resolution
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(colours));
    out.U32(0); // all colours important

    for (const Rgb& c : image.Colours()) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = image.Height() - 1; y >= 0; --y)
        out.Append(PackRow(image, y, bitsPerPixel));
    return out.Bytes();
}
