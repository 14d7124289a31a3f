#include "TextPainter.h"

#include "Font.h"
#include "TextFormat.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
std::vector<DrawnText>* recording = nullptr;
} // namespace

QString TextPainter::ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void TextPainter::RecordInto(std::vector<DrawnText>* record) {
    recording = record;
}

void TextPainter::Record(const DrawnText& text) {
    if (recording != nullptr)
        recording->push_back(text);
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
    const QString lines = ToQString(text);
    QRect needed;
    painter.drawText(ToQRect(rect), ToQtFlags(format), lines, &needed);
    painter.restore();
    if (recording != nullptr)
        Record({lines, font, ToQtFlags(format), ToQRect(rect), ToQRect(rect), needed});
}

// The background box and the glyphs' ink, which may stick out of it, with a
// pixel around for antialiasing.
QRect TextPainter::DrawAt(QPainter& painter, const QFont& font, ColorRef colour, int x, int y,
                          std::string_view text) {
    painter.save();
    Prepare(painter, font, colour);
    const QString line = ToQString(text);
    const QFontMetrics metrics(font, painter.device());
    QRect box;
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    const QRect place(x, y, metrics.horizontalAdvance(line), metrics.height());
    painter.drawText(place, flags, line, &box);
    painter.restore();
    const QRect ink = metrics.boundingRect(line).translated(x, y + metrics.ascent());
    if (recording != nullptr) {
        const QPaintDevice* device = painter.device();
        Record({line, font, flags, place, QRect(0, 0, device->width(), device->height()),
                box.united(ink)});
    }
    return box.united(ink).adjusted(-1, -1, 1, 1);
}

Size TextPainter::Extent(const QFont& font, const QPaintDevice* device, std::string_view text) {
    const QFontMetrics metrics =
        device != nullptr ? QFontMetrics(font, device) : QFontMetrics(font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}
