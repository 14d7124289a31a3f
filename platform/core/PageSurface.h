#pragma once

#include "Colour.h"
#include "Font.h"
#include "Geometry.h"

#include <string_view>

class QPainter;

// A printer page as a drawing surface: text in the selected font and colour,
// placed in the printer's own pixels, laid out as on the window's surfaces.
// It draws through a painter that stays open on the printer for the page
// (ending a painter on a printer ends the job).
class PageSurface {
public:
    explicit PageSurface(QPainter& painter) : m_painter(painter) {}
    PageSurface(const PageSurface&) = delete;
    PageSurface& operator=(const PageSurface&) = delete;

    void DrawText(std::string_view text, const Rect& rect, unsigned format);
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtent(std::string_view text) const;

    ColorRef SetTextColor(ColorRef colour);
    // Makes the font current and gives back the one it replaced (nullptr for
    // the page's initial font).
    const Font* SelectFont(const Font* font);

private:
    const QFont& CurrentFont() const;

    QPainter& m_painter;
    ColorRef m_textColour = kBlack;
    const Font* m_font = nullptr;
};
