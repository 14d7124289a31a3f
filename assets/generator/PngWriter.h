#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <string_view>
#include <vector>

// A palette PNG (8-bit indices) whose zlib stream uses stored blocks only:
// no compression is needed for icons this small, and the bytes stay fixed.
class PngWriter {
public:
    static std::vector<std::uint8_t> Encode(const IndexedImage& image);

private:
    static std::vector<std::uint8_t> Scanlines(const IndexedImage& image);
    static std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw);
    static void Chunk(std::vector<std::uint8_t>& out, std::string_view type,
                      const std::vector<std::uint8_t>& data);
};
