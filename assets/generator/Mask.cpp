#include "Mask.h"

#include <cstdlib>

Mask::Mask(int width, int height)
    : m_width(width), m_height(height), m_bits(static_cast<std::size_t>(width * height), false) {}

bool Mask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_bits[static_cast<std::size_t>(y * m_width + x)];
}

void Mask::Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_bits[static_cast<std::size_t>(y * m_width + x)] = true;
}

Mask& Mask::Rect(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Set(x, y);
    return *this;
}

bool Mask::InPolygon(const std::vector<H>& corners, int px, int py) {
    // Even-odd rule with a ray to the right; pixel centres are odd, corners
    // may be anything, so a ray never runs along an edge.
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const H a = corners[i], b = corners[j];
        if ((a.y > py) == (b.y > py))
            continue;
        // x of the edge at height py, compared without division.
        const long long lhs = static_cast<long long>(px - a.x) * (b.y - a.y);
        const long long rhs = static_cast<long long>(b.x - a.x) * (py - a.y);
        if ((b.y - a.y > 0) ? lhs < rhs : lhs > rhs)
            inside = !inside;
    }
    return inside;
}

Mask& Mask::Polygon(const std::vector<H>& corners) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (InPolygon(corners, 2 * x + 1, 2 * y + 1))
                Set(x, y);
    return *this;
}

Mask& Mask::Disc(H centre, int radius) {
    return Ellipse(centre, radius, radius);
}

Mask& Mask::Ellipse(H centre, int rx, int ry) {
    const long long rx2 = static_cast<long long>(rx) * rx, ry2 = static_cast<long long>(ry) * ry;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const long long dx = 2 * x + 1 - centre.x, dy = 2 * y + 1 - centre.y;
            if (dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2)
                Set(x, y);
        }
    return *this;
}

Mask& Mask::Line(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
        Set(x0, y0);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return *this;
}

Mask& Mask::Subtract(const Mask& other) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (other.At(x, y))
                m_bits[static_cast<std::size_t>(y * m_width + x)] = false;
    return *this;
}
