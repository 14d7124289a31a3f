#include "Outlines.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Pt {
    double x;
    double y;
};

// Left side of the vase, top to bottom, in pixels. It starts and ends one
// cell in from the rim and foot lines and two cells below or above them,
// where the 2 x 2 corner blocks hand over to it.
const std::vector<Pt> kLeftSide = {{2, 4},    {10, 12},  {40, 40},  {70, 80},  {80, 124}, {82, 137},
                                   {80, 150}, {72, 200}, {40, 226}, {18, 240}, {6, 242},  {2, 244}};
// The waist: the sides come no closer to the middle than this.
constexpr int kWaist = 82;

// Smooth curve through the points (Catmull-Rom), finely sampled.
std::vector<Pt> Smooth(const std::vector<Pt>& p) {
    std::vector<Pt> out;
    constexpr int kSamples = 100;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const Pt a = p[i == 0 ? 0 : i - 1], b = p[i], c = p[i + 1];
        const Pt d = p[std::min(i + 2, p.size() - 1)];
        for (int s = 0; s < kSamples; ++s) {
            const double t = double(s) / kSamples, t2 = t * t, t3 = t2 * t;
            auto at = [&](double pa, double pb, double pc, double pd) {
                return 0.5 * (2 * pb + (pc - pa) * t + (2 * pa - 5 * pb + 4 * pc - pd) * t2 +
                              (3 * pb - pa - 3 * pc + pd) * t3);
            };
            out.push_back({at(a.x, b.x, c.x, d.x), at(a.y, b.y, c.y, d.y)});
        }
    }
    out.push_back(p.back());
    return out;
}

// Cells of the curve, going down only, never past the waist.
std::vector<CellGrid::P> SideCells() {
    std::vector<CellGrid::P> cells;
    int lowest = 0;
    for (const Pt& p : Smooth(kLeftSide)) {
        const int x = std::min(kWaist, 2 * int(std::lround(p.x / 2)));
        lowest = std::max(lowest, 2 * int(std::lround(p.y / 2)));
        cells.push_back({x, lowest});
    }
    return cells;
}

} // namespace

void DrawVase(CellGrid& g) {
    g.Line({0, 0}, {248, 0});
    g.Line({0, 248}, {248, 248});
    // Corner blocks: each side leaves the rim and foot through a 2 x 2 block.
    for (int x : {0, 246})
        for (int y : {2, 246})
            g.FillBox(x, y, x + 2, y);
    const auto side = SideCells();
    for (std::size_t i = 0; i + 1 < side.size(); ++i) {
        g.Line(side[i], side[i + 1]);
        g.Line({248 - side[i].x, side[i].y}, {248 - side[i + 1].x, side[i + 1].y});
    }
}
