#pragma once

#include <cstdint>

// Integer sine for sound synthesis, so the wave files are bit-identical on
// every machine. phase: 65536 per turn; result -32767..32767 (Bhaskara's
// approximation, within 0.2 % of the true sine).
class IntSine {
public:
    static int At(std::int64_t phase);
};
