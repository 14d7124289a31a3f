#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Little-endian byte sink shared by the BMP, WAV and PNG writers; the file
// formats fix their byte order, so nothing here depends on the host.
class ByteBuffer {
public:
    void U8(int v);
    void U16(int v);
    void U32(std::uint32_t v);
    void U32BigEndian(std::uint32_t v);
    void Tag(std::string_view fourCC);
    void Append(const std::vector<std::uint8_t>& bytes);
    void PatchU32(std::size_t at, std::uint32_t v);

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
