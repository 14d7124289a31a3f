#include "Surface.h"

#include "TextPainter.h"

#include <QPainter>

Surface::Surface(QImage* target, QRegion* touched) : m_target(target), m_touched(touched) {
    Rebind();
}

Surface::Surface() : m_ownBitmap(std::make_unique<Bitmap>(Bitmap::Blank(1, 1))) {
    m_selected = m_ownBitmap.get();
    m_target = &m_selected->Image();
    Rebind();
}

Surface::~Surface() = default;

std::unique_ptr<Surface> Surface::CreateCompatible(const Surface&) {
    return std::unique_ptr<Surface>(new Surface());
}

void Surface::Rebind() {
    if (m_target == nullptr || m_target->isNull()) {
        m_bits = nullptr;
        m_width = m_height = 0;
        m_stride = 0;
        return;
    }
    m_bits = m_target->bits(); // detaches a shared image, so writes stay ours
    m_stride = m_target->bytesPerLine();
    m_width = m_target->width();
    m_height = m_target->height();
}

void Surface::SetPixel(int x, int y, ColorRef colour) {
    if (unsigned(x) >= unsigned(m_width) || unsigned(y) >= unsigned(m_height))
        return;
    if (m_clip && !m_clip->contains(QPoint(x, y)))
        return;
    reinterpret_cast<QRgb*>(m_target->scanLine(y))[x] = ToQRgb(colour);
    Rebind();
    Touch(QRect(x, y, 1, 1));
}

bool Surface::BeginPainter(QPainter& painter) {
    if (m_width == 0 || m_height == 0 || !painter.begin(m_target))
        return false;
    if (m_clip)
        painter.setClipRegion(*m_clip);
    return true;
}

void Surface::EndPainter(QPainter& painter) {
    painter.end();
    Rebind();
}

void Surface::Touch(const QRect& area) {
    if (m_touched != nullptr)
        *m_touched += area & QRect(0, 0, m_width, m_height);
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sx, int sy) {
    if (source.m_target == nullptr || source.m_width == 0 || width <= 0 || height <= 0)
        return;
    QPainter painter;
    if (!BeginPainter(painter))
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), *source.m_target, QRect(sx, sy, width, height));
    EndPainter(painter);
    Touch(QRect(x, y, width, height));
}

void Surface::FillRect(const Rect& rect, const Brush& brush) {
    if (rect.IsEmpty())
        return;
    QPainter painter;
    if (!BeginPainter(painter))
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(ToQRect(rect), ToQColor(brush.Colour()));
    EndPainter(painter);
    Touch(ToQRect(rect));
}

void Surface::DrawText(std::string_view text, const Rect& rect, unsigned format) {
    QPainter painter;
    if (rect.IsEmpty() || !BeginPainter(painter))
        return;
    TextPainter::DrawInRect(painter, CurrentFont(), TextColour(), text, rect, format);
    EndPainter(painter);
    Touch(ToQRect(rect));
}

void Surface::TextOut(int x, int y, std::string_view text) {
    QPainter painter;
    if (!BeginPainter(painter))
        return;
    const QRect drawn = TextPainter::DrawAt(painter, CurrentFont(), TextColour(), x, y, text);
    EndPainter(painter);
    Touch(drawn);
}

Size Surface::GetTextExtent(std::string_view text) const {
    return TextPainter::Extent(CurrentFont(), nullptr, text);
}

Bitmap* Surface::SelectBitmap(Bitmap* bitmap) {
    if (!m_ownBitmap || bitmap == nullptr)
        return nullptr;
    Bitmap* old = m_selected;
    m_selected = bitmap;
    m_target = &bitmap->Image();
    Rebind();
    return old;
}
