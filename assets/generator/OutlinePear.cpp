#include "Outlines.h"

#include <cmath>
#include <vector>

namespace {

// Points of the right half of the outline in pixels, measured at cell
// centres (a cell at top-left pixel x has its centre at x + 1), from the top
// down to the bottom. Every run is monotone in x and y, so the staircase
// never doubles back and no cell gains a third neighbour.
struct Pt {
    double x;
    double y;
};

constexpr double kPi = 3.14159265358979323846;
constexpr int kSamples = 400;

// Quarter ellipse from angle a0 to a1 (0 = straight up, clockwise).
void EllipseRun(std::vector<Pt>& out, Pt c, double rx, double ry, double a0, double a1) {
    for (int i = 0; i <= kSamples; ++i) {
        const double a = a0 + (a1 - a0) * i / kSamples;
        out.push_back({c.x + rx * std::sin(a), c.y - ry * std::cos(a)});
    }
}

void BezierRun(std::vector<Pt>& out, Pt p0, Pt p1, Pt p2, Pt p3) {
    for (int i = 0; i <= kSamples; ++i) {
        const double t = double(i) / kSamples, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        out.push_back(
            {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
}

std::vector<Pt> RightHalf() {
    std::vector<Pt> pts;
    // Narrow dome, 80 pixels wide at y = 24.
    EllipseRun(pts, {125, 25}, 40, 24, 0, kPi / 2);
    // Down through the neck (x about 174 near y = 80) into the body,
    // meeting it along its own slope.
    const double body = std::asin(90.0 / 124.0);
    const Pt join{125 + 124 * std::sin(body), 175 - 74 * std::cos(body)};
    const Pt slope{124 * std::cos(body), 74 * std::sin(body)};
    const double len = std::hypot(slope.x, slope.y);
    BezierRun(pts, {165, 25}, {165, 60}, {join.x - 50 * slope.x / len, join.y - 50 * slope.y / len},
              join);
    // The wide body touches both side edges at y = 174 and the bottom edge.
    EllipseRun(pts, {125, 175}, 124, 74, body, kPi);
    return pts;
}

} // namespace

void DrawPear(CellGrid& g) {
    std::vector<CellGrid::P> cells;
    for (const Pt& p : RightHalf()) {
        const int cx = int(std::lround((p.x - 1) / 2)), cy = int(std::lround((p.y - 1) / 2));
        cells.push_back({2 * cx, 2 * cy});
    }
    // Each half is a staircase; the left one mirrors the right about x = 124.
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        g.Line(cells[i], cells[i + 1]);
        g.Line({248 - cells[i].x, cells[i].y}, {248 - cells[i + 1].x, cells[i + 1].y});
    }
}
