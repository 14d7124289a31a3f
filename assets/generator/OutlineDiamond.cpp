#include "Outlines.h"

namespace {

// Solid diamond: rows two cells wide at the top and bottom corners, growing
// by a cell on each side per row to 22 cells at the two middle rows.
void FillDiamond(CellGrid& g) {
    constexpr int kTop = 102, kBottom = 144, kHalfRows = 11;
    for (int k = 0; k < kHalfRows; ++k) {
        const int left = 122 - 2 * k, right = 124 + 2 * k;
        g.FillBox(left, kTop + 2 * k, right, kTop + 2 * k);
        g.FillBox(left, kBottom - 2 * k, right, kBottom - 2 * k);
    }
}

} // namespace

void DrawDiamond(CellGrid& g) {
    // Frame three cells thick, drawn as four overlapping bands.
    g.FillBox(80, 80, 166, 84);
    g.FillBox(80, 162, 166, 166);
    g.FillBox(80, 80, 84, 166);
    g.FillBox(162, 80, 166, 166);
    FillDiamond(g);
}
