#pragma once

#include "Geometry.h"

#include <QImage>
#include <array>
#include <vector>

// Reads an outline bitmap the way the game's rules see it: the 125 x 125
// grid of 2 x 2 cells, which cells are green, and the measures of the
// picture (parts, branch cells, green and number boxes).
class OutlineAnalysis {
public:
    explicit OutlineAnalysis(const QImage& image);

    bool CellGreen(int cx, int cy) const;
    int Cells() const;
    int Neighbours(int cx, int cy) const;
    int Parts() const;
    int BranchCells() const;
    // Green pixels whose cell is not green in all four pixels.
    int PartialCellPixels() const;
    bool CornerOnlyTouch() const;
    // Inclusive pixel boxes, as left, top, right, bottom.
    std::array<int, 4> GreenBox() const;
    std::array<int, 4> InkBox() const; // black, grey and silver pixels
    // Pixels that are neither white, green nor the digits' ink colours.
    std::vector<Point> StrayPixels() const;
    // Length of the walk along the chain from the start cell back to it,
    // 0 if the chain is not one simple loop through the start.
    int LoopLength(int startCx, int startCy) const;

private:
    QImage m_image;
};
