#include "PngWriter.h"

#include "ByteBuffer.h"
#include "Checksum.h"

#include <algorithm>

namespace {
constexpr std::size_t kStoredBlockMax = 65535;
}

std::vector<std::uint8_t> PngWriter::Scanlines(const IndexedImage& image) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < image.Height(); ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < image.Width(); ++x)
            raw.push_back(image.At(x, y));
    }
    return raw;
}

std::vector<std::uint8_t> PngWriter::StoredZlib(const std::vector<std::uint8_t>& raw) {
    ByteBuffer z;
    z.U8(0x78); // deflate, 32 KiB window
    z.U8(0x01); // no preset dictionary; header check bits make 0x7801 divisible by 31
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min(kStoredBlockMax, raw.size() - pos);
        const bool last = pos + len == raw.size();
        z.U8(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        z.U16(static_cast<int>(len));
        z.U16(static_cast<int>(~len & 0xFFFF));
        z.Append({raw.begin() + static_cast<std::ptrdiff_t>(pos),
                  raw.begin() + static_cast<std::ptrdiff_t>(pos + len)});
        pos += len;
    } while (pos < raw.size());
    z.U32BigEndian(Checksum::Adler32(raw));
    return z.Bytes();
}

void PngWriter::Chunk(std::vector<std::uint8_t>& out, std::string_view type,
                      const std::vector<std::uint8_t>& data) {
    ByteBuffer chunk;
    chunk.U32BigEndian(static_cast<std::uint32_t>(data.size()));
    chunk.Tag(type);
    chunk.Append(data);
    chunk.U32BigEndian(Checksum::Crc32(chunk.Bytes(), 4)); // over type and data
    out.insert(out.end(), chunk.Bytes().begin(), chunk.Bytes().end());
}

std::vector<std::uint8_t> PngWriter::Encode(const IndexedImage& image) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ByteBuffer header;
    header.U32BigEndian(static_cast<std::uint32_t>(image.Width()));
    header.U32BigEndian(static_cast<std::uint32_t>(image.Height()));
    header.U8(8); // bit depth
    header.U8(3); // colour type: palette
    header.U8(0); // compression, filter, interlace
    header.U8(0);
    header.U8(0);
    Chunk(out, "IHDR", header.Bytes());
    std::vector<std::uint8_t> palette;
    for (const Rgb& c : image.Colours())
        palette.insert(palette.end(), {c.r, c.g, c.b});
    Chunk(out, "PLTE", palette);
    Chunk(out, "IDAT", StoredZlib(Scanlines(image)));
    Chunk(out, "IEND", {});
    return out;
}
