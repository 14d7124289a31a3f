#pragma once

#include <vector>

// A set of pixels of a small picture, built from shapes given in half-pixel
// units (a pixel's centre is at 2x + 1, 2y + 1), so shapes can sit between
// pixels while every test stays in integers.
class Mask {
public:
    struct H {
        int x;
        int y;
    };

    Mask(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool At(int x, int y) const;
    void Set(int x, int y);

    // Pixels [left, right) x [top, bottom), in whole pixels.
    Mask& Rect(int left, int top, int right, int bottom);
    Mask& Polygon(const std::vector<H>& corners);
    Mask& Disc(H centre, int radius);
    Mask& Ellipse(H centre, int rx, int ry);
    // A one-pixel line between two pixels, whole-pixel coordinates.
    Mask& Line(int x0, int y0, int x1, int y1);
    Mask& Subtract(const Mask& other);

private:
    static bool InPolygon(const std::vector<H>& corners, int px, int py);

    int m_width;
    int m_height;
    std::vector<bool> m_bits;
};
