#pragma once

#include <QImage>

// A bitmap held in the client surface's pixel format (RGB32), so copies and
// pixel reads stay exact. An empty bitmap (a resource that failed to load)
// copies as nothing.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const QImage& image);
    static Bitmap Blank(int width, int height);

    bool IsNull() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};
