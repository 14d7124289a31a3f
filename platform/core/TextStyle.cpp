#include "TextStyle.h"

#include "TextPainter.h"

ColorRef TextStyle::SetTextColor(ColorRef colour) {
    const ColorRef old = m_textColour;
    m_textColour = colour;
    return old;
}

const Font* TextStyle::SelectFont(const Font* font) {
    const Font* old = m_font;
    m_font = font;
    return old;
}

const QFont& TextStyle::CurrentFont() const {
    return (m_font != nullptr && !m_font->IsNull()) ? m_font->QtFont() : TextPainter::InitialFont();
}
