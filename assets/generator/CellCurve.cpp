#include "CellCurve.h"

#include <cstdint>
#include <cstdlib>

namespace {

// How far the centre of a cell lies off the ellipse, in units that only need
// to compare correctly between neighbouring cells.
std::int64_t Miss(const CellCurve::Ellipse& e, int x, int y) {
    const std::int64_t dx = 2 * x + 1 - e.cx, dy = 2 * y + 1 - e.cy;
    const std::int64_t a2 = std::int64_t(e.rx) * e.rx, b2 = std::int64_t(e.ry) * e.ry;
    return std::llabs(b2 * dx * dx + a2 * dy * dy - a2 * b2);
}

int Sign(std::int64_t v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// One step along the ellipse from cell (x, y): to the side neighbour in the
// direction of travel whose centre lies closer to the curve.
void Step(const CellCurve::Ellipse& e, bool clockwise, int& x, int& y) {
    const std::int64_t a2 = std::int64_t(e.rx) * e.rx, b2 = std::int64_t(e.ry) * e.ry;
    const std::int64_t dx = 2 * x + 1 - e.cx, dy = 2 * y + 1 - e.cy;
    // The tangent is perpendicular to the gradient (b2 dx, a2 dy).
    const int turn = clockwise ? 1 : -1;
    const int sx = Sign(-a2 * dy) * turn, sy = Sign(b2 * dx) * turn;
    if (sx != 0 && (sy == 0 || Miss(e, x + sx, y) <= Miss(e, x, y + sy)))
        x += sx;
    else
        y += sy;
}

// A full turn never needs more steps than the grid has cells.
constexpr int kMaxSteps = CellGrid::kCells * CellGrid::kCells;

} // namespace

std::vector<CellGrid::P> CellCurve::Ring(const Ellipse& e) {
    const int x0 = (e.cx - 1) / 2;
    int y0 = (e.cy - e.ry - 1) / 2;
    // The top cell is whichever cell of the centre column lies closest.
    while (Miss(e, x0, y0 + 1) < Miss(e, x0, y0))
        ++y0;
    while (y0 > 0 && Miss(e, x0, y0 - 1) < Miss(e, x0, y0))
        --y0;
    std::vector<CellGrid::P> cells{{2 * x0, 2 * y0}};
    int x = x0, y = y0;
    for (int n = 0; n < kMaxSteps; ++n) {
        Step(e, true, x, y);
        if (x == x0 && y == y0)
            break;
        cells.push_back({2 * x, 2 * y});
    }
    return cells;
}

void CellCurve::Draw(CellGrid& g, const std::vector<CellGrid::P>& cells) {
    for (const auto& c : cells)
        g.Set(c.x, c.y);
}
