#pragma once

#include <QColor>
#include <cstdint>

// Colours are packed red + 256 * green + 65536 * blue, as the game compares
// them; Qt's QRgb is 0xAARRGGBB, so conversions live here only.
using ColorRef = std::uint32_t;

constexpr ColorRef RGB(int r, int g, int b) {
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}

constexpr ColorRef kBlack = 0;
constexpr ColorRef kOutlineGreen = 65280;
constexpr ColorRef kWhite = 16777215;
// What a pixel read outside a surface answers: no real colour, never green.
constexpr ColorRef kInvalidColour = 0xFFFFFFFF;

// 0xAARRGGBB byte-swapped is 0xBBGGRRAA: one instruction, since the game's
// counts convert every pixel they read.
constexpr ColorRef FromQRgb(QRgb c) {
    return __builtin_bswap32(c) >> 8;
}

constexpr QRgb ToQRgb(ColorRef c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

inline QColor ToQColor(ColorRef c) {
    return QColor::fromRgb(ToQRgb(c));
}
