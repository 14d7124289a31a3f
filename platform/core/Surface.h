#pragma once

#include "Bitmap.h"
#include "Brush.h"
#include "Colour.h"
#include "Geometry.h"
#include "TextFormat.h"
#include "TextStyle.h"

#include <QRegion>
#include <memory>
#include <optional>
#include <string_view>

class QPainter;

// A drawing surface: the client image of the window, or an off-screen
// surface that draws into the bitmap selected into it. Every operation works
// on the image directly, so pixel reads return exactly what was drawn.
// Reads outside the image answer kInvalidColour; writes there do nothing.
//
// The image a surface draws on must not be shallow-copied while the surface
// lives (take deep copies with QImage::copy()): pixel access is cached.
class Surface : public TextStyle {
public:
    // touched, if given, gathers the part of the image each drawing call
    // covers.
    explicit Surface(QImage* target, QRegion* touched = nullptr);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // An off-screen surface in the window's pixel format, holding a 1 x 1
    // bitmap of its own until another one is selected.
    static std::unique_ptr<Surface> CreateCompatible(const Surface& like);

    ColorRef GetPixel(int x, int y) const {
        if (unsigned(x) >= unsigned(m_width) || unsigned(y) >= unsigned(m_height)) [[unlikely]]
            return kInvalidColour;
        return FromQRgb(reinterpret_cast<const QRgb*>(m_bits + qsizetype(y) * m_stride)[x]);
    }
    void SetPixel(int x, int y, ColorRef colour);
    // For reading a whole area known to lie inside: no check per pixel.
    bool Contains(const Rect& rect) const {
        return rect.left >= 0 && rect.top >= 0 && rect.right <= m_width && rect.bottom <= m_height;
    }
    // Compares in the image's own format, so a count over an area needs no
    // conversion per pixel.
    bool PixelInsideEquals(int x, int y, ColorRef colour) const {
        const QRgb pixel = reinterpret_cast<const QRgb*>(m_bits + qsizetype(y) * m_stride)[x];
        return (pixel & 0xFFFFFFu) == (ToQRgb(colour) & 0xFFFFFFu);
    }

    void BitBlt(int x, int y, int width, int height, const Surface& source, int sx, int sy);
    void FillRect(const Rect& rect, const Brush& brush);
    void DrawText(std::string_view text, const Rect& rect, unsigned format);
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtent(std::string_view text) const;

    // Off-screen surfaces only: draws into the bitmap from now on and gives
    // back the one selected before (its own 1 x 1 bitmap at first).
    Bitmap* SelectBitmap(Bitmap* bitmap);

    // Drawing from now on reaches only this region, as a paint surface of a
    // partly uncovered window does; pixel reads are not affected.
    void SetClipRegion(const QRegion& region) { m_clip = region; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    Surface();
    void Rebind();
    bool BeginPainter(QPainter& painter);
    void EndPainter(QPainter& painter);
    void Touch(const QRect& area);

    QImage* m_target = nullptr;
    const uchar* m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<Bitmap> m_ownBitmap;
    Bitmap* m_selected = nullptr;
    std::optional<QRegion> m_clip;
    QRegion* m_touched = nullptr;
};
