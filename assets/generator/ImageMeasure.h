#pragma once

#include "Box.h"
#include "IndexedImage.h"

// Measures of a finished outline picture, read back from its pixels.
class ImageMeasure {
public:
    // Smallest box of the pixels that are neither white nor green.
    static Box InkBox(const IndexedImage& image);
    static Box GreenBox(const IndexedImage& image);
    // Whether a non-white, non-green pixel inside `area` has a green pixel
    // among its eight neighbours.
    static bool InkTouchesGreen(const IndexedImage& image, const Box& area);

private:
    template <typename Pred> static Box BoxOf(const IndexedImage& image, Pred pred);
    static bool GreenAround(const IndexedImage& image, int x, int y);
};
