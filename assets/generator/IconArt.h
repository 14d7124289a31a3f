#pragma once

#include "IndexedImage.h"

#include <array>

// The application icon: a green outline square on white, its top side and
// half its right side already traced over by the black pen, the pen block at
// the end of the trail. Drawn from whole-pixel rectangles at each size so it
// stays crisp down to 16 pixels.
class IconArt {
public:
    static constexpr std::array<int, 8> kSizes{16, 22, 24, 32, 48, 64, 128, 256};

    static IndexedImage Draw(int size);
};
