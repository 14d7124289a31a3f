#pragma once

#include <cstdint>
#include <vector>

// The two checksums a PNG file carries: CRC-32 over each chunk and Adler-32
// over the zlib stream.
class Checksum {
public:
    static std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes, std::size_t from = 0);
    static std::uint32_t Adler32(const std::vector<std::uint8_t>& bytes);
};
