// File formats: checksums, BMP, WAVE and PNG byte layouts.
#include "BmpWriter.h"
#include "ByteBuffer.h"
#include "Checksum.h"
#include "PngWriter.h"
#include "TestRunner.h"
#include "WaveWriter.h"

#include <string>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& s) {
    return {s.begin(), s.end()};
}

std::uint32_t LE32(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t{b.at(at + 3)} << 24;
}
int LE16(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
std::uint32_t BE32(const Bytes& b, std::size_t at) {
    return std::uint32_t{b.at(at)} << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 | b.at(at + 3);
}
std::string TagAt(const Bytes& b, std::size_t at) {
    return {b.begin() + at, b.begin() + at + 4};
}

void TestChecksums() {
    // Published check values of both algorithms.
    TestRunner::Expect(Checksum::Crc32(FromText("123456789")) == 0xCBF43926u, "crc32 check value");
    TestRunner::Expect(Checksum::Adler32(FromText("Wikipedia")) == 0x11E60398u, "adler32 value");
    TestRunner::Expect(Checksum::Adler32({}) == 1u, "adler32 of nothing");
}

void TestBmp() {
    struct Case {
        int width, height, bpp, colours, rowBytes;
    };
    for (const Case& c : {Case{3, 2, 4, 16, 4}, Case{9, 3, 4, 16, 8}, Case{250, 250, 4, 16, 128},
                          Case{5, 2, 8, 256, 8}, Case{21, 21, 8, 256, 24}}) {
        const std::string name = "bmp " + std::to_string(c.width) + "x" + std::to_string(c.height) +
                                 "@" + std::to_string(c.bpp);
        IndexedImage img(c.width, c.height,
                         c.colours == 16 ? Palette::Standard16() : Palette::Extended256(), White);
        img.Set(0, 0, Green);           // top-left
        img.Set(1, c.height - 1, Blue); // second pixel of the bottom row
        const Bytes b = BmpWriter::Encode(img, c.bpp);
        const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(c.colours);
        TestRunner::Expect(b.size() == offset + std::size_t(c.rowBytes * c.height), name + " size");
        TestRunner::Expect(TagAt(b, 0).substr(0, 2) == "BM" && LE32(b, 2) == b.size(),
                           name + " file header");
        TestRunner::Expect(LE32(b, 10) == offset && LE32(b, 14) == 40, name + " offsets");
        TestRunner::Expect(LE16(b, 28) == c.bpp && LE32(b, 46) == std::uint32_t(c.colours),
                           name + " depth and colours");
        // Colour table entries are blue, green, red, 0: green is index 10.
        TestRunner::Expect(b[54 + 40] == 0 && b[54 + 41] == 255 && b[54 + 42] == 0,
                           name + " palette green");
        // First stored row is the bottom one; the top row comes last.
        const std::size_t bottom = offset, top = offset + std::size_t(c.rowBytes * (c.height - 1));
        if (c.bpp == 4) {
            TestRunner::Expect(b[bottom] == 0xFC, name + " bottom row nibbles");
            TestRunner::Expect(b[top] >> 4 == Green, name + " top-left in high nibble");
        } else {
            TestRunner::Expect(b[bottom + 1] == Blue && b[top] == Green, name + " rows");
        }
    }
}

void TestWave() {
    struct Case {
        int samples, bits, fmt;
        std::size_t fileSize;
    };
    for (const Case& c : {Case{219, 8, 18, 278}, Case{5513, 16, 16, 11082}, Case{3, 8, 18, 62}}) {
        const std::string name = "wave " + std::to_string(c.samples) + "@" + std::to_string(c.bits);
        const Bytes b =
            WaveWriter::Encode(std::vector<int>(std::size_t(c.samples), 0), c.bits, c.fmt);
        TestRunner::Expect(b.size() == c.fileSize, name + " size");
        TestRunner::Expect(TagAt(b, 0) == "RIFF" && LE32(b, 4) == b.size() - 8 &&
                               TagAt(b, 8) == "WAVE",
                           name + " riff header");
        TestRunner::Expect(TagAt(b, 12) == "fmt " && LE32(b, 16) == std::uint32_t(c.fmt),
                           name + " fmt chunk");
        TestRunner::Expect(LE16(b, 20) == 1 && LE16(b, 22) == 1 && LE32(b, 24) == 22050 &&
                               LE16(b, 34) == c.bits,
                           name + " format fields");
        const std::size_t fact = 20 + std::size_t(c.fmt);
        TestRunner::Expect(TagAt(b, fact) == "fact" &&
                               LE32(b, fact + 8) == std::uint32_t(c.samples),
                           name + " fact");
        TestRunner::Expect(TagAt(b, fact + 12) == "data" &&
                               LE32(b, fact + 16) == std::uint32_t(c.samples * c.bits / 8),
                           name + " data");
    }
}

// Unpacks the stored-block zlib stream of a PNG written by PngWriter.
Bytes Inflate(const Bytes& z, bool& ok) {
    Bytes raw;
    std::size_t pos = 2;
    for (bool last = false; !last && pos + 5 <= z.size();) {
        last = (z[pos] & 1) != 0;
        const int len = LE16(z, pos + 1), nlen = LE16(z, pos + 3);
        ok = ok && (z[pos] & 6) == 0 && (len ^ 0xFFFF) == nlen;
        raw.insert(raw.end(), z.begin() + std::ptrdiff_t(pos + 5),
                   z.begin() + std::ptrdiff_t(pos + 5 + std::size_t(len)));
        pos += 5 + std::size_t(len);
    }
    ok = ok && pos + 4 == z.size() && BE32(z, pos) == Checksum::Adler32(raw);
    return raw;
}

void TestPng() {
    for (int size : {16, 181, 256}) { // 256 needs two stored blocks
        const std::string name = "png " + std::to_string(size);
        IndexedImage img(size, size, Palette::Standard16(), White);
        img.Set(size - 1, size - 1, Red);
        const Bytes b = PngWriter::Encode(img);
        bool ok = b.size() > 8 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G';
        Bytes idat;
        for (std::size_t pos = 8; ok && pos + 12 <= b.size();) {
            const std::uint32_t len = BE32(b, pos);
            const Bytes chunk(b.begin() + std::ptrdiff_t(pos + 4),
                              b.begin() + std::ptrdiff_t(pos + 8 + len));
            ok = ok && Checksum::Crc32(chunk) == BE32(b, pos + 8 + len);
            if (TagAt(b, pos + 4) == "IDAT")
                idat.insert(idat.end(), chunk.begin() + 4, chunk.end());
            pos += 12 + len;
        }
        const Bytes raw = Inflate(idat, ok);
        TestRunner::Expect(ok, name + " chunks, crc and zlib stream");
        TestRunner::Expect(raw.size() == std::size_t(size * (size + 1)) && raw.back() == Red &&
                               raw[0] == 0 && raw[1] == White,
                           name + " scanlines");
    }
}
} // namespace

void TestFormats() {
    TestChecksums();
    TestBmp();
    TestWave();
    TestPng();
}
