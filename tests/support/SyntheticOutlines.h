#pragma once

#include <QImage>

// Small outlines made in the test itself: green 2 x 2 cells on white.
namespace SyntheticOutlines {
QImage Blank();
// The square ring of cells along the four board edges: 496 cells.
QImage EdgeRing();
// One pixel-exact cell at each of the given cell positions (even pixels).
QImage WithCells(std::initializer_list<std::pair<int, int>> cells);
// A 21 x 21 thumbnail in one colour with a black frame.
QImage Thumbnail(QRgb fill);
} // namespace SyntheticOutlines
