#pragma once

#include "Colour.h"
#include "Geometry.h"

#include <QString>
#include <string_view>

class QFont;
class QRect;
class QPaintDevice;
class QPainter;

// Text as every surface draws it: in the selected font and colour on an
// opaque white background, in the layouts the game asks for. The window's
// surfaces and a printer page share it, so a page lays text out exactly as
// the window would.
class TextPainter {
public:
    // The game's texts are plain 8-bit strings in the process's locale,
    // as the date in the window title is.
    static QString ToQString(std::string_view text);
    // The font a surface draws with before any font is selected into it.
    static const QFont& InitialFont();

    // Text in a rectangle, clipped to it; format combines DT_ flags.
    static void DrawInRect(QPainter& painter, const QFont& font, ColorRef colour,
                           std::string_view text, const Rect& rect, unsigned format);
    // One line with its top-left corner at (x, y), not clipped; gives back
    // the area it may have painted.
    static QRect DrawAt(QPainter& painter, const QFont& font, ColorRef colour, int x, int y,
                        std::string_view text);
    // Width and height of one line, in the pixels of device (the screen's
    // when device is nullptr).
    static Size Extent(const QFont& font, const QPaintDevice* device, std::string_view text);

private:
    static void Prepare(QPainter& painter, const QFont& font, ColorRef colour);
    static int ToQtFlags(unsigned format);
};
