#pragma once

#include "CellGrid.h"

#include <vector>

// Staircases of cells that follow an ellipse (or circle). The walk moves one
// side neighbour at a time, always to whichever of the two cells in the
// direction of travel lies closer to the curve, so the result is a chain in
// which consecutive cells share a side.
class CellCurve {
public:
    // Centre and radii in pixels; a cell is measured at its centre pixel
    // corner (top-left pixel + 1), so a centre of (125, 125) is the middle of
    // the bitmap.
    struct Ellipse {
        int cx;
        int cy;
        int rx;
        int ry;
    };

    // The whole ellipse, clockwise from its topmost cell above the centre.
    static std::vector<CellGrid::P> Ring(const Ellipse& e);
    static void Draw(CellGrid& g, const std::vector<CellGrid::P>& cells);
};
