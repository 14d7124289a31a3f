#pragma once

#include "IndexedImage.h"
#include "Mask.h"

#include <vector>

// The 21 x 21 coloured miniatures of the thumbnail strip, one per outline in
// catalogue order.
class ThumbnailArt {
public:
    static constexpr int kSize = 21;

    static IndexedImage Draw(int number);
    // Bits per pixel the thumbnail is stored with.
    static int Depth(int number) { return number == 15 ? 8 : 4; }

private:
    static Mask NewMask() { return Mask(kSize, kSize); }
    // Maps an outline's pixel position onto the miniature, in half pixels.
    static Mask::H FromBoard(int px, int py);
    static std::vector<Mask::H> FromBoard(const std::vector<Mask::H>& points);

    // One per outline, named after its drawing in the catalogue.
#define ORLIX_OUTLINE(number, name, thumbnail, outline, x, y, drawing)                             \
    static void drawing(IndexedImage& img);
#include "Outlines.def"
#undef ORLIX_OUTLINE
};
