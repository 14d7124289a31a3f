#include "WaveWriter.h"

#include "ByteBuffer.h"

#include <stdexcept>

std::vector<std::uint8_t> WaveWriter::Encode(const std::vector<int>& samples, int bitsPerSample,
                                             int fmtBytes) {
    if ((bitsPerSample != 8 && bitsPerSample != 16) || (fmtBytes != 16 && fmtBytes != 18))
        throw std::invalid_argument("WAVE: unsupported format");
    const int sampleBytes = bitsPerSample / 8;
    const auto count = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t dataBytes = count * static_cast<std::uint32_t>(sampleBytes);

    ByteBuffer out;
    out.Tag("RIFF");
    out.U32(0); // patched below
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(static_cast<std::uint32_t>(fmtBytes));
    out.U16(1); // PCM
    out.U16(1); // mono
    out.U32(kRate);
    out.U32(static_cast<std::uint32_t>(kRate * sampleBytes));
    out.U16(sampleBytes);
    out.U16(bitsPerSample);
    if (fmtBytes == 18)
        out.U16(0); // cbSize
    out.Tag("fact");
    out.U32(4);
    out.U32(count);
    out.Tag("data");
    out.U32(dataBytes);
    for (int s : samples)
        sampleBytes == 1 ? out.U8(s) : out.U16(s);
    if (dataBytes % 2 != 0)
        out.U8(0);
    out.PatchU32(4, static_cast<std::uint32_t>(out.Size() - 8));
    return out.Bytes();
}
