#pragma once

#include <QImage>
#include <functional>

// A bitmap held in the client surface's pixel format (RGB32), so copies and
// pixel reads stay exact. A deferred bitmap (one loaded from a file) is read
// and decoded only when its pixels are first asked for: bitmaps loaded and
// never shown cost neither time nor memory. An empty bitmap (a resource that
// failed to load or to decode) copies as nothing.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const QImage& image);
    static Bitmap Deferred(std::function<QImage()> decode);
    static Bitmap Blank(int width, int height);

    bool IsNull() const { return Pixels().isNull(); }
    int Width() const { return Pixels().width(); }
    int Height() const { return Pixels().height(); }
    QImage& Image();
    const QImage& Image() const { return Pixels(); }

private:
    const QImage& Pixels() const;

    // Decoding on first use changes nothing that can be seen, hence mutable.
    mutable std::function<QImage()> m_decode;
    mutable QImage m_image;
};
