#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// Indices into the standard 16-colour palette, the order the game's
// bitmaps use.
enum Colour : std::uint8_t {
    Black = 0,
    DarkRed,
    DarkGreen,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White
};

class Palette {
public:
    static std::vector<Rgb> Standard16();
    // The 16 standard colours, a 6 x 6 x 6 colour cube and 24 greys.
    static std::vector<Rgb> Extended256();
};
