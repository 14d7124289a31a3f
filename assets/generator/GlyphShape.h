#pragma once

#include <vector>

// A glyph outline built from bars, slanted strokes and elliptical arcs in a
// design grid of quarter pixels. Everything is integer geometry, so the
// rasterised glyph is the same on every machine.
class GlyphShape {
public:
    // Axis-aligned bar covering [left, right) x [top, bottom).
    GlyphShape& Bar(int left, int top, int right, int bottom);
    // Straight stroke with square ends, half its width either side of the
    // line from (x0, y0) to (x1, y1).
    GlyphShape& Stroke(int x0, int y0, int x1, int y1, int half);
    // Part of an elliptical ring whose centre line has radii rx, ry; runs
    // clockwise on screen from direction (fromX, fromY) to (toX, toY).
    GlyphShape& Arc(int cx, int cy, int rx, int ry, int half, int fromX, int fromY, int toX,
                    int toY);
    GlyphShape& Ring(int cx, int cy, int rx, int ry, int half);

    // Whether the point (x / 2, y / 2) in quarter pixels is ink.
    bool CoversDoubled(int x, int y) const;

private:
    struct Vec {
        long long x;
        long long y;
    };
    struct Polygon {
        std::vector<Vec> corners;
    };
    struct RingArc {
        Vec centre;
        long long rx, ry, half;
        Vec from, to;
        bool full;
    };

    static long long Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
    static bool Inside(const Polygon& p, Vec q);
    static bool Inside(const RingArc& a, Vec q);
    static bool InEllipse(Vec d, long long rx, long long ry);
    static bool InSector(const RingArc& a, Vec d);

    std::vector<Polygon> m_polygons;
    std::vector<RingArc> m_arcs;
};
