#include "TextPainter.h"

#include "Font.h"
#include "TextFormat.h"

#include <QFontMetrics>
#include <QPainter>

QString TextPainter::ToQString(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

const QFont& TextPainter::InitialFont() {
    static const Font font("Arial Bold", 16);
    return font.QtFont();
}

// Opaque white behind the glyphs: drawing the same text twice gives the same
// pixels, and antialiased edges never build up.
void TextPainter::Prepare(QPainter& painter, const QFont& font, ColorRef colour) {
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
}

int TextPainter::ToQtFlags(unsigned format) {
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

void TextPainter::DrawInRect(QPainter& painter, const QFont& font, ColorRef colour,
                             std::string_view text, const Rect& rect, unsigned format) {
    if (rect.IsEmpty())
        return;
    painter.save();
    painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
    Prepare(painter, font, colour);
    painter.drawText(ToQRect(rect), ToQtFlags(format), ToQString(text));
    painter.restore();
}

void TextPainter::DrawAt(QPainter& painter, const QFont& font, ColorRef colour, int x, int y,
                         std::string_view text) {
    painter.save();
    Prepare(painter, font, colour);
    const Size extent = Extent(font, painter.device(), text);
    painter.drawText(QRect(x, y, extent.cx, extent.cy),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     ToQString(text));
    painter.restore();
}

Size TextPainter::Extent(const QFont& font, const QPaintDevice* device, std::string_view text) {
    const QFontMetrics metrics =
        device != nullptr ? QFontMetrics(font, device) : QFontMetrics(font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}
