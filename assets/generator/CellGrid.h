#pragma once

#include <array>
#include <utility>
#include <vector>

// The 125 x 125 grid of 2 x 2 pen cells of one outline. Positions are given
// as the cell's top-left pixel (both even, 0..248), the way the outline
// geometry is described, so drawing code reads like the picture it draws.
class CellGrid {
public:
    static constexpr int kCells = 125;

    struct P {
        int x;
        int y;
    };

    // One cell; odd or out-of-range pixel positions are ignored.
    void Set(int px, int py);
    void Clear(int px, int py);
    bool At(int px, int py) const;

    // A 4-connected staircase of cells from one cell to another, both ends
    // included; consecutive cells always share a side. bias 0 keeps the
    // staircase centred on the ideal line; +1 takes the x steps early, -1
    // late (useful where a slanted run meets a straight one at a sharp
    // corner and must not brush against it).
    void Line(P from, P to, int bias = 0);
    // Lines through the points in order; closed joins the last to the first.
    void Polyline(const std::vector<P>& points, bool closed);
    // Every cell whose top-left pixel lies in [left, right] x [top, bottom].
    void FillBox(int left, int top, int right, int bottom);

    // Measures, used to tune the artwork against its target figures.
    int CellCount() const;
    int Parts() const;       // 4-connected components
    int BranchCells() const; // cells with 3 or 4 side neighbours
    int Neighbours(int cx, int cy) const;
    // Smallest pixel box holding all green pixels: left, top, right, bottom
    // (inclusive pixels); all -1 when empty.
    std::array<int, 4> GreenBox() const;
    // True when two cells touch only at a corner.
    bool HasCornerOnlyTouch() const;

    bool CellAt(int cx, int cy) const;

private:
    std::array<std::array<bool, kCells>, kCells> m_cells{}; // [cy][cx]
};
