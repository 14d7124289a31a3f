#include "PageSurface.h"

#include "TextPainter.h"

#include <QPainter>

void PageSurface::DrawText(std::string_view text, const Rect& rect, unsigned format) {
    TextPainter::DrawInRect(m_painter, CurrentFont(), m_textColour, text, rect, format);
}

void PageSurface::TextOut(int x, int y, std::string_view text) {
    TextPainter::DrawAt(m_painter, CurrentFont(), m_textColour, x, y, text);
}

Size PageSurface::GetTextExtent(std::string_view text) const {
    return TextPainter::Extent(CurrentFont(), m_painter.device(), text);
}

ColorRef PageSurface::SetTextColor(ColorRef colour) {
    const ColorRef old = m_textColour;
    m_textColour = colour;
    return old;
}

const Font* PageSurface::SelectFont(const Font* font) {
    const Font* old = m_font;
    m_font = font;
    return old;
}

const QFont& PageSurface::CurrentFont() const {
    return (m_font != nullptr && !m_font->IsNull()) ? m_font->QtFont() : TextPainter::InitialFont();
}
