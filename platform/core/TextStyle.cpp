#include "TextSelection.h"

#include "TextPainter.h"

ColorRef TextSelection::SetTextColor(ColorRef colour) {
    const ColorRef old = m_textColour;
    m_textColour = colour;
    return old;
}

const Font* TextSelection::SelectFont(const Font* font) {
    const Font* old = m_font;
    m_font = font;
    return old;
}

const QFont& TextSelection::CurrentFont() const {
    return (m_font != nullptr && !m_font->IsNull()) ? m_font->QtFont() : TextPainter::InitialFont();
}
