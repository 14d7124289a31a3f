#include "CellCurve.h"
#include "Outlines.h"

#include <cstdlib>
#include <vector>

namespace {

using Cells = std::vector<CellGrid::P>;

// A quarter turn about the middle of the bitmap, so one drawn lobe (or one
// side of the centre square) gives all four.
CellGrid::P Turn(CellGrid::P c) {
    return {c.y, 248 - c.x};
}

void DrawFourTimes(CellGrid& g, Cells cells) {
    for (int quarter = 0; quarter < 4; ++quarter) {
        CellCurve::Draw(g, cells);
        for (auto& c : cells)
            c = Turn(c);
    }
}

// A staircase from a sharp point to an arc, taking its steps along one axis
// as early as it can, so it keeps as far as possible from the arc that meets
// it at the point.
void Join(CellGrid& g, CellGrid::P from, CellGrid::P to, bool xFirst) {
    CellGrid::P c = from;
    g.Set(c.x, c.y);
    while (c.x != to.x || c.y != to.y) {
        const int dx = std::abs(to.x - c.x), dy = std::abs(to.y - c.y);
        const bool stepX = xFirst ? dx > 0 && dx >= dy : dy == 0 || dx > dy;
        if (stepX)
            c.x += to.x > c.x ? 2 : -2;
        else
            c.y += to.y > c.y ? 2 : -2;
        g.Set(c.x, c.y);
    }
}

// The run of ring cells through ring[from] on the near side of the line
// y = cut, joined to the sharp points at tip and its mirror image.
Cells BetweenTips(const Cells& ring, std::size_t from, int cut, CellGrid::P tip, bool xFirst) {
    const std::size_t n = ring.size();
    const bool above = ring[from].y <= cut;
    // Below the points the arc also stays two cells off the diagonals
    // through them, where the arc meeting it runs close.
    auto clear = [&](CellGrid::P c) {
        const int off = std::abs(c.y - tip.y);
        return c.x - tip.x - off >= 4 && 248 - tip.x - c.x - off >= 4;
    };
    auto near = [&](std::size_t i) {
        return above ? ring[i].y <= cut : ring[i].y >= cut && clear(ring[i]);
    };
    std::size_t first = from, last = from;
    while (near((first + n - 1) % n))
        first = (first + n - 1) % n;
    while (near((last + 1) % n))
        last = (last + 1) % n;
    CellGrid arc;
    for (std::size_t i = first; i != last; i = (i + 1) % n)
        arc.Set(ring[i].x, ring[i].y);
    const CellGrid::P left = ring[first].x < ring[last].x ? ring[first] : ring[last];
    const CellGrid::P right = ring[first].x < ring[last].x ? ring[last] : ring[first];
    Join(arc, tip, left, xFirst);
    Join(arc, {248 - tip.x, tip.y}, right, xFirst);
    Cells cells;
    for (int y = 0; y < 250; y += 2)
        for (int x = 0; x < 250; x += 2)
            if (arc.At(x, y))
                cells.push_back({x, y});
    return cells;
}

std::size_t Lowest(const Cells& ring) {
    std::size_t best = 0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (ring[i].y > ring[best].y)
            best = i;
    return best;
}

} // namespace

void DrawClover(CellGrid& g) {
    // Top lobe: a circle 104 pixels across against the top edge. It is cut
    // at y = 66, where it has come back over its notches, and drops straight
    // into them, so it meets the neighbouring lobe there at a right angle.
    const Cells lobe = CellCurve::Ring({125, 53, 52, 52});
    DrawFourTimes(g, BetweenTips(lobe, 0, 66, {74, 74}, false));
    // Top side of the centre square: an arc dipping 8 pixels below the
    // straight line between its corners.
    const Cells side = CellCurve::Ring({125, 69, 40, 40});
    DrawFourTimes(g, BetweenTips(side, Lowest(side), 102, {100, 100}, true));
}
