#pragma once

#include "Geometry.h"
#include "TextStyle.h"

#include <string_view>

class QPainter;

// A printer page as a drawing surface: text in the selected font and colour,
// placed in the printer's own pixels, laid out as on the window's surfaces.
// It draws through a painter that stays open on the printer for the page
// (ending a painter on a printer ends the job).
class PageSurface : public TextStyle {
public:
    explicit PageSurface(QPainter& painter) : m_painter(painter) {}
    PageSurface(const PageSurface&) = delete;
    PageSurface& operator=(const PageSurface&) = delete;

    void DrawText(std::string_view text, const Rect& rect, unsigned format);
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtent(std::string_view text) const;

private:
    QPainter& m_painter;
};
