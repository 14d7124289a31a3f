#pragma once

#include "Box.h"
#include "IndexedImage.h"

// Prints a decimal number in the generator's digit design.
class NumberPrinter {
public:
    // Draws with the first glyph's top-left corner at (x, y); white glyph
    // pixels leave the picture as it was.
    static void Print(IndexedImage& image, int x, int y, int number);
    // The ink box the number gets when printed at (0, 0).
    static Box InkBox(int number);
    // Prints the number so that its ink box is centred on target.
    static Box PrintCentred(IndexedImage& image, const Box& target, int number);
};
