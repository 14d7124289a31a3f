#include "IntSine.h"

int IntSine::At(std::int64_t phase) {
    const std::int64_t p = ((phase % 65536) + 65536) % 65536;
    const std::int64_t t = p % 32768; // position within the half turn
    const std::int64_t a = t * (32768 - t);
    const std::int64_t s = 32767 * 16 * a / (5LL * 32768 * 32768 - 4 * a);
    return static_cast<int>(p < 32768 ? s : -s);
}
