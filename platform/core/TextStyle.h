#pragma once

#include "Colour.h"
#include "Font.h"

class QFont;

// What a drawing surface draws its text with: the font selected into it and
// the text colour. A fresh surface draws black in its initial font.
class TextStyle {
public:
    ColorRef SetTextColor(ColorRef colour);
    // Makes the font current and gives back the one it replaced (nullptr for
    // the surface's initial font).
    const Font* SelectFont(const Font* font);

protected:
    ColorRef TextColour() const { return m_textColour; }
    const QFont& CurrentFont() const;

private:
    ColorRef m_textColour = kBlack;
    const Font* m_font = nullptr;
};
