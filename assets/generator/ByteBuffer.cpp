#include "ByteBuffer.h"

void ByteBuffer::U8(int v) {
    m_bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

void ByteBuffer::U16(int v) {
    U8(v);
    U8(v >> 8);
}

void ByteBuffer::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        U8(static_cast<int>(v >> shift));
}

void ByteBuffer::U32BigEndian(std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        U8(static_cast<int>(v >> shift));
}

void ByteBuffer::Tag(std::string_view fourCC) {
    for (char c : fourCC)
        U8(static_cast<unsigned char>(c));
}

void ByteBuffer::Append(const std::vector<std::uint8_t>& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteBuffer::PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        m_bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v >> (8 * i));
}
