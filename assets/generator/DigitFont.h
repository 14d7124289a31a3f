#pragma once

#include <array>
#include <cstdint>

// The bold digits printed inside the outlines: black with grey and silver
// pixels smoothing the edges, rasterised from the glyph designs by 4 x 4
// supersampling.
class DigitFont {
public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 20;
    static constexpr int kAdvance = 19; // glyph plus a 3-pixel gap

    using Glyph = std::array<std::array<std::uint8_t, kWidth>, kHeight>; // palette indices

    static const Glyph& Digit(int d);

private:
    static Glyph Render(int d);
    static std::uint8_t Shade(int coverage);
};
