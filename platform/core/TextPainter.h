#pragma once

#include "Colour.h"
#include "Geometry.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>
#include <vector>

class QPaintDevice;
class QPainter;

// A text as it was laid out: in this font, with these Qt alignment flags,
// in place; the area it is to stay in (its rectangle, or for a line at a
// point the whole surface), and the area its lines took, which may be larger.
struct DrawnText {
    QString text;
    QFont font;
    int flags = 0;
    QRect place;
    QRect room;
    QRect needed;
};

// Text as every surface draws it: in the selected font and colour on an
// opaque white background, in the layouts the game asks for. The window's
// surfaces and a printer page share it, so a page lays text out exactly as
// the window would.
class TextPainter {
public:
    // The game's texts are UTF-8.
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
    // From now on every text drawn is also added to record (nullptr: no
    // longer), so a test can see whether each fitted its place.
    static void RecordInto(std::vector<DrawnText>* record);

private:
    static void Prepare(QPainter& painter, const QFont& font, ColorRef colour);
    static int ToQtFlags(unsigned format);
    static void Record(const DrawnText& text);
};
