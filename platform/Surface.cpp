#include "Surface.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

int ToQtFlags(unsigned format) {
    int flags = (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine | ((format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop);
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK)
            flags |= Qt::TextWordWrap;
    }
    return flags;
}

const QFont& InitialFont() {
    static const Font font("Arial Bold", 16);
    return font.QtFont();
}
} // namespace

Surface::Surface(QImage* target) : m_target(target) {
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

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sx, int sy) {
    if (source.m_target == nullptr || source.m_width == 0 || width <= 0 || height <= 0)
        return;
    QPainter painter;
    if (!BeginPainter(painter))
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), *source.m_target, QRect(sx, sy, width, height));
    EndPainter(painter);
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
}

// Text goes on an opaque white background, so drawing the same text twice
// gives the same pixels and antialiased edges never build up.
void Surface::DrawText(std::string_view text, const Rect& rect, unsigned format) {
    QPainter painter;
    if (rect.IsEmpty() || !BeginPainter(painter))
        return;
    painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
    painter.setFont(CurrentFont());
    painter.setPen(ToQColor(m_textColour));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawText(ToQRect(rect), ToQtFlags(format), ToQString(text));
    EndPainter(painter);
}

void Surface::TextOut(int x, int y, std::string_view text) {
    QPainter painter;
    if (!BeginPainter(painter))
        return;
    painter.setFont(CurrentFont());
    painter.setPen(ToQColor(m_textColour));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const Size extent = GetTextExtent(text);
    painter.drawText(QRect(x, y, extent.cx, extent.cy),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     ToQString(text));
    EndPainter(painter);
}

Size Surface::GetTextExtent(std::string_view text) const {
    const QFontMetrics metrics(CurrentFont());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

ColorRef Surface::SetTextColor(ColorRef colour) {
    const ColorRef old = m_textColour;
    m_textColour = colour;
    return old;
}

const Font* Surface::SelectFont(const Font* font) {
    const Font* old = m_font;
    m_font = font;
    return old;
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

const QFont& Surface::CurrentFont() const {
    return (m_font != nullptr && !m_font->IsNull()) ? m_font->QtFont() : InitialFont();
}
