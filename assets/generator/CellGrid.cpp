#include "CellGrid.h"

#include <cstdlib>

void CellGrid::Set(int px, int py) {
    if (px % 2 != 0 || py % 2 != 0 || px < 0 || py < 0 || px > 248 || py > 248)
        return;
    m_cells[py / 2][px / 2] = true;
}

void CellGrid::Clear(int px, int py) {
    if (px % 2 != 0 || py % 2 != 0 || px < 0 || py < 0 || px > 248 || py > 248)
        return;
    m_cells[py / 2][px / 2] = false;
}

bool CellGrid::At(int px, int py) const {
    return CellAt(px / 2, py / 2);
}

bool CellGrid::CellAt(int cx, int cy) const {
    if (cx < 0 || cy < 0 || cx >= kCells || cy >= kCells)
        return false;
    return m_cells[cy][cx];
}

void CellGrid::Line(P from, P to, int bias) {
    int cx = from.x / 2, cy = from.y / 2;
    const int tx = to.x / 2, ty = to.y / 2;
    const int nx = std::abs(tx - cx), ny = std::abs(ty - cy);
    const int sx = tx > cx ? 1 : -1, sy = ty > cy ? 1 : -1;
    Set(cx * 2, cy * 2);
    // Step along whichever axis keeps the staircase closest to the ideal line.
    for (int ix = 0, iy = 0; ix < nx || iy < ny;) {
        if (iy >= ny || (ix < nx && (1 + 2 * ix - bias) * ny < (1 + 2 * iy) * nx)) {
            cx += sx;
            ++ix;
        } else {
            cy += sy;
            ++iy;
        }
        Set(cx * 2, cy * 2);
    }
}

void CellGrid::Polyline(const std::vector<P>& points, bool closed) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        Line(points[i], points[i + 1]);
    if (closed && points.size() > 2)
        Line(points.back(), points.front());
}

void CellGrid::FillBox(int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            Set(x, y);
}

int CellGrid::CellCount() const {
    int n = 0;
    for (const auto& row : m_cells)
        for (bool c : row)
            n += c ? 1 : 0;
    return n;
}

int CellGrid::Neighbours(int cx, int cy) const {
    return int(CellAt(cx - 1, cy)) + int(CellAt(cx + 1, cy)) + int(CellAt(cx, cy - 1)) +
           int(CellAt(cx, cy + 1));
}

int CellGrid::Parts() const {
    std::array<std::array<bool, kCells>, kCells> seen{};
    int parts = 0;
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x) {
            if (!m_cells[y][x] || seen[y][x])
                continue;
            ++parts;
            stack.push_back({x, y});
            seen[y][x] = true;
            while (!stack.empty()) {
                auto [cx, cy] = stack.back();
                stack.pop_back();
                const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto& s : d) {
                    const int nx = cx + s[0], ny = cy + s[1];
                    if (CellAt(nx, ny) && !seen[ny][nx]) {
                        seen[ny][nx] = true;
                        stack.push_back({nx, ny});
                    }
                }
            }
        }
    return parts;
}

int CellGrid::BranchCells() const {
    int n = 0;
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x)
            n += (m_cells[y][x] && Neighbours(x, y) >= 3) ? 1 : 0;
    return n;
}

std::array<int, 4> CellGrid::GreenBox() const {
    std::array<int, 4> box{-1, -1, -1, -1};
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x) {
            if (!m_cells[y][x])
                continue;
            if (box[0] < 0) {
                box = {2 * x, 2 * y, 2 * x + 1, 2 * y + 1};
                continue;
            }
            if (2 * x < box[0])
                box[0] = 2 * x;
            if (2 * y < box[1])
                box[1] = 2 * y;
            if (2 * x + 1 > box[2])
                box[2] = 2 * x + 1;
            if (2 * y + 1 > box[3])
                box[3] = 2 * y + 1;
        }
    return box;
}

bool CellGrid::HasCornerOnlyTouch() const {
    for (int y = 0; y + 1 < kCells; ++y)
        for (int x = 0; x < kCells; ++x) {
            for (int dx : {-1, 1}) {
                if (!m_cells[y][x] || !CellAt(x + dx, y + 1))
                    continue;
                if (!CellAt(x + dx, y) && !CellAt(x, y + 1))
                    return true;
            }
        }
    return false;
}
