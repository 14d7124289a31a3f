#include "DigitFont.h"

#include "GlyphShape.h"
#include "Palette.h"

#include <stdexcept>

namespace {
// Design grid: 64 x 80 quarter pixels; strokes 3.5 pixels wide.
constexpr int H = 7;

GlyphShape Design(int d) {
    GlyphShape s;
    switch (d) {
    case 0:
        return s.Ring(32, 40, 25, 33, H);
    case 1:
        return s.Bar(30, 0, 44, 80).Stroke(38, 5, 12, 21, H);
    case 2:
        return s.Arc(32, 23, 24, 16, H, -10, 3, 10, 9).Stroke(50, 34, 10, 72, H).Bar(4, 66, 62, 80);
    case 3:
        return s.Arc(32, 22, 22, 15, H, -10, -4, 0, 1)
            .Arc(32, 56, 25, 17, H, 0, -1, -10, 5)
            .Bar(20, 30, 34, 44);
    case 4:
        return s.Bar(38, 0, 52, 80).Bar(2, 50, 62, 63).Stroke(45, 4, 8, 56, H);
    case 5:
        return s.Bar(16, 0, 58, 14).Bar(12, 0, 26, 40).Arc(31, 53, 24, 20, H, -10, -7, -10, 6);
    case 6:
        return s.Ring(33, 54, 24, 19, H).Arc(33, 42, 24, 35, H, -10, 4, 8, -10);
    case 7:
        return s.Bar(2, 0, 62, 14).Stroke(57, 8, 24, 84, H);
    case 8:
        return s.Ring(32, 21, 21, 14, H).Ring(32, 56, 25, 17, H);
    default:
        throw std::out_of_range("digit");
    }
}
} // namespace

std::uint8_t DigitFont::Shade(int coverage) {
    if (coverage >= 12)
        return Black;
    if (coverage >= 7)
        return Grey;
    if (coverage >= 3)
        return Silver;
    return White;
}

DigitFont::Glyph DigitFont::Render(int d) {
    // A 9 is a 6 turned half round.
    const bool turned = d == 9;
    const GlyphShape shape = Design(turned ? 6 : d);
    Glyph g{};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            int coverage = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    coverage += shape.CoversDoubled(8 * x + 2 * sx + 1, 8 * y + 2 * sy + 1) ? 1 : 0;
            const int gx = turned ? kWidth - 1 - x : x, gy = turned ? kHeight - 1 - y : y;
            g[static_cast<std::size_t>(gy)][static_cast<std::size_t>(gx)] = Shade(coverage);
        }
    return g;
}

const DigitFont::Glyph& DigitFont::Digit(int d) {
    static const std::array<Glyph, 10> glyphs = [] {
        std::array<Glyph, 10> all{};
        for (int i = 0; i < 10; ++i)
            all[static_cast<std::size_t>(i)] = Render(i);
        return all;
    }();
    return glyphs.at(static_cast<std::size_t>(d));
}
