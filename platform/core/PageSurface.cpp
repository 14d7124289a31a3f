#include "PageSurface.h"

#include "TextPainter.h"

#include <QPainter>

void PageSurface::DrawText(std::string_view text, const Rect& rect, unsigned format) {
    TextPainter::DrawInRect(m_painter, CurrentFont(), TextColour(), text, rect, format);
}

void PageSurface::TextOut(int x, int y, std::string_view text) {
    TextPainter::DrawAt(m_painter, CurrentFont(), TextColour(), x, y, text);
}

Size PageSurface::GetTextExtent(std::string_view text) const {
    return TextPainter::Extent(CurrentFont(), m_painter.device(), text);
}
