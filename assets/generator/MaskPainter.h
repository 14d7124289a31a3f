#pragma once

#include "IndexedImage.h"
#include "Mask.h"

// Lays masks onto a picture: solid colour, optionally with a one-pixel black
// edge on the mask's own border, the way the thumbnails are drawn.
class MaskPainter {
public:
    explicit MaskPainter(IndexedImage& image) : m_image(image) {}

    void Fill(const Mask& mask, std::uint8_t colour);
    void FillEdged(const Mask& mask, std::uint8_t colour);

private:
    static bool OnBorder(const Mask& mask, int x, int y);

    IndexedImage& m_image;
};
