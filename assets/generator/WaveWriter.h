#pragma once

#include <cstdint>
#include <vector>

// Mono PCM RIFF WAVE: "fmt " (16 bytes, or 18 with a zero cbSize), "fact"
// with the sample count, and "data", padded to an even size as RIFF wants.
class WaveWriter {
public:
    static constexpr int kRate = 22050;

    // 8-bit samples are unsigned (0..255), 16-bit ones signed.
    static std::vector<std::uint8_t> Encode(const std::vector<int>& samples, int bitsPerSample,
                                            int fmtBytes);
};
