#include "ArtworkCheck.h"

#include "ImageMeasure.h"

#include <cstdlib>

bool ArtworkCheck::WholeCellsOnly(const IndexedImage& image) {
    for (int y = 0; y < image.Height(); y += 2)
        for (int x = 0; x < image.Width(); x += 2) {
            const int green = int(image.At(x, y) == Green) + int(image.At(x + 1, y) == Green) +
                              int(image.At(x, y + 1) == Green) +
                              int(image.At(x + 1, y + 1) == Green);
            if (green != 0 && green != 4)
                return false;
        }
    return true;
}

bool ArtworkCheck::NumberOnBox(const Box& actual, const Box& wanted) {
    return std::abs(actual.left - wanted.left) <= kNumberTolerance &&
           std::abs(actual.top - wanted.top) <= kNumberTolerance &&
           std::abs(actual.right - wanted.right) <= kNumberTolerance &&
           std::abs(actual.bottom - wanted.bottom) <= kNumberTolerance;
}

std::vector<std::string> ArtworkCheck::Problems(const BoardPicture& picture) {
    const ArtworkEntry& e = picture.Entry();
    const CellGrid& grid = picture.Grid();
    const IndexedImage& image = picture.Image();
    std::vector<std::string> problems;
    const auto expect = [&](bool ok, const std::string& what) {
        if (!ok)
            problems.push_back(std::string(e.name) + ": " + what);
    };
    expect(grid.CellCount() > 0, "no green cells");
    expect(image.Count(Green) == 4 * grid.CellCount(), "the number covers green pixels");
    expect(WholeCellsOnly(image), "a green pixel outside a whole green cell");
    expect(grid.At(e.start.x, e.start.y), "no green cell at the start point");
    expect(grid.Parts() == e.parts,
           "parts " + std::to_string(grid.Parts()) + ", catalogue " + std::to_string(e.parts));
    expect(!grid.HasCornerOnlyTouch(), "cells touching only at a corner");
    expect(NumberOnBox(picture.NumberBox(), e.numberBox), "number ink box off its place");
    expect(!ImageMeasure::InkTouchesGreen(image, picture.NumberBox()), "number touches green");
    return problems;
}
