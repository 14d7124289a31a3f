#include "GlyphShape.h"

namespace {
long long ISqrt(long long v) {
    long long r = 0;
    while ((r + 1) * (r + 1) <= v)
        ++r;
    return r;
}
} // namespace

GlyphShape& GlyphShape::Bar(int left, int top, int right, int bottom) {
    m_polygons.push_back({{{2LL * left, 2LL * top},
                           {2LL * right, 2LL * top},
                           {2LL * right, 2LL * bottom},
                           {2LL * left, 2LL * bottom}}});
    return *this;
}

GlyphShape& GlyphShape::Stroke(int x0, int y0, int x1, int y1, int half) {
    const long long dx = 2LL * (x1 - x0), dy = 2LL * (y1 - y0);
    const long long len = ISqrt(dx * dx + dy * dy);
    const long long nx = -dy * 2 * half / len, ny = dx * 2 * half / len;
    const Vec a{2LL * x0, 2LL * y0}, b{2LL * x1, 2LL * y1};
    m_polygons.push_back(
        {{{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}});
    return *this;
}

GlyphShape& GlyphShape::Arc(int cx, int cy, int rx, int ry, int half, int fromX, int fromY, int toX,
                            int toY) {
    m_arcs.push_back(
        {{2LL * cx, 2LL * cy}, 2LL * rx, 2LL * ry, 2LL * half, {fromX, fromY}, {toX, toY}, false});
    return *this;
}

GlyphShape& GlyphShape::Ring(int cx, int cy, int rx, int ry, int half) {
    m_arcs.push_back({{2LL * cx, 2LL * cy}, 2LL * rx, 2LL * ry, 2LL * half, {1, 0}, {1, 0}, true});
    return *this;
}

bool GlyphShape::CoversDoubled(int x, int y) const {
    const Vec q{x, y};
    for (const Polygon& p : m_polygons)
        if (Inside(p, q))
            return true;
    for (const RingArc& a : m_arcs)
        if (Inside(a, q))
            return true;
    return false;
}

bool GlyphShape::Inside(const Polygon& p, Vec q) {
    bool anyPositive = false, anyNegative = false;
    for (std::size_t i = 0; i < p.corners.size(); ++i) {
        const Vec a = p.corners[i], b = p.corners[(i + 1) % p.corners.size()];
        const long long c = Cross({b.x - a.x, b.y - a.y}, {q.x - a.x, q.y - a.y});
        anyPositive = anyPositive || c > 0;
        anyNegative = anyNegative || c < 0;
    }
    return !(anyPositive && anyNegative);
}

bool GlyphShape::InEllipse(Vec d, long long rx, long long ry) {
    if (rx <= 0 || ry <= 0)
        return false;
    return d.x * d.x * ry * ry + d.y * d.y * rx * rx <= rx * rx * ry * ry;
}

bool GlyphShape::InSector(const RingArc& a, Vec d) {
    if (a.full)
        return true;
    if (Cross(a.from, a.to) >= 0)
        return Cross(a.from, d) >= 0 && Cross(d, a.to) >= 0;
    // More than half a turn: everything except the short way back.
    return !(Cross(a.to, d) > 0 && Cross(d, a.from) > 0);
}

bool GlyphShape::Inside(const RingArc& a, Vec q) {
    const Vec d{q.x - a.centre.x, q.y - a.centre.y};
    return InEllipse(d, a.rx + a.half, a.ry + a.half) &&
           !InEllipse(d, a.rx - a.half, a.ry - a.half) && InSector(a, d);
}
