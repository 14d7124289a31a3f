#include "SoundArt.h"

#include "IntSine.h"
#include "WaveWriter.h"

#include <algorithm>
#include <cstdint>

std::vector<int> SoundArt::MoveClick() {
    // A 1.8 kHz ring that dies away within a few milliseconds; the push
    // outwards is stronger than the swing back, which makes it a tick.
    constexpr std::int64_t kUp = 44, kDown = 24;
    std::vector<int> samples;
    std::int64_t envelope = 1 << 16;
    for (int i = 0; i < kMoveSamples; ++i) {
        const std::int64_t s = IntSine::At(std::int64_t{i} * 1800 * 65536 / WaveWriter::kRate);
        const std::int64_t scaled = s * envelope * (s > 0 ? kUp : kDown) / (32767LL << 16);
        samples.push_back(128 + static_cast<int>(scaled));
        envelope = envelope * 245 / 256;
    }
    return samples;
}

int SoundArt::BrrEnvelope(int i) {
    constexpr int kFade = 220; // 10 ms
    const int edge = std::min(i, kBrrSamples - 1 - i);
    return edge >= kFade ? 256 : edge * 256 / kFade;
}

std::vector<int> SoundArt::Brr() {
    // A sine at 520 Hz driven three times into the clip level: a flat-topped,
    // buzzing wave whose peaks sit exactly at half of full scale.
    std::vector<int> samples;
    for (int i = 0; i < kBrrSamples; ++i) {
        const std::int64_t s = IntSine::At(std::int64_t{i} * 520 * 65536 / WaveWriter::kRate);
        const std::int64_t clipped = std::clamp<std::int64_t>(3 * s, -32767, 32767);
        const std::int64_t v = clipped * kBrrPeak / 32767 * BrrEnvelope(i) / 256;
        samples.push_back(static_cast<int>(v));
    }
    return samples;
}
