#pragma once

#include <vector>

// The game's two sounds as sample values: the move click (unsigned 8-bit)
// and the brr buzz that answers a refused key or click (signed 16-bit).
class SoundArt {
public:
    static constexpr int kMoveSamples = 219;
    static constexpr int kBrrSamples = 5513;
    static constexpr int kBrrPeak = 16384;

    static std::vector<int> MoveClick();
    static std::vector<int> Brr();

private:
    static int BrrEnvelope(int i); // 0..256, quick fades at both ends
};
