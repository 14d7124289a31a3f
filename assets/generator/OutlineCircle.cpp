#include "Outlines.h"

#include <cstdlib>

namespace {

// Squared distance, in pixels, from the centre of the bitmap (125, 125) to
// the centre of cell (cx, cy).
int Dist2(int cx, int cy) {
    const int dx = 2 * cx + 1 - 125, dy = 2 * cy + 1 - 125;
    return dx * dx + dy * dy;
}

// Whether a cell centre lies in the ring 122 to 125 pixels from the centre.
bool InRing(int cx, int cy) {
    return Dist2(cx, cy) >= 122 * 122 && Dist2(cx, cy) <= 125 * 125;
}

void SetMirrored(CellGrid& g, int cx, int cy) {
    for (int x : {cx, 124 - cx})
        for (int y : {cy, 124 - cy})
            g.Set(2 * x, 2 * y);
}

} // namespace

void DrawCircle(CellGrid& g) {
    // One quarter, from the top cell to the rightmost, mirrored into the
    // other three. Each step goes right or down, to the cell that stays in
    // the ring and lies closest to a radius of 124 pixels; the quarter ends
    // on both edges, so the circle touches all four.
    int cx = 62, cy = 0;
    SetMirrored(g, cx, cy);
    while (cx != 124 || cy != 62) {
        const bool right = cx < 124 && InRing(cx + 1, cy);
        const bool down = cy < 62 && InRing(cx, cy + 1);
        const bool takeRight = right && (!down || std::abs(Dist2(cx + 1, cy) - 124 * 124) <=
                                                      std::abs(Dist2(cx, cy + 1) - 124 * 124));
        if (takeRight)
            ++cx;
        else if (down)
            ++cy;
        else
            break; // cannot happen for this ring; guards against looping
        SetMirrored(g, cx, cy);
    }
}
