#include "Font.h"

#include "ApplicationFonts.h"

#include <QFontMetrics>
#include <cstdlib>

namespace {
constexpr std::string_view kBoldSuffix = " Bold";
// Used where a font of height 0 is asked for: the desktop's ordinary text size.
constexpr int kDefaultPixelSize = 13;
} // namespace

Font::Font(std::string_view face, int cellHeight)
    : m_font(BaseFont(face)), m_requestedHeight(cellHeight), m_null(false) {
    if (cellHeight > 0)
        FitCellHeight(m_font, cellHeight);
    else
        m_font.setPixelSize(kDefaultPixelSize);
}

QFont Font::BaseFont(std::string_view face) {
    bool bold = face.size() > kBoldSuffix.size() && face.ends_with(kBoldSuffix);
    if (bold)
        face.remove_suffix(kBoldSuffix.size());
    QString family = QString::fromLatin1(face.data(), qsizetype(face.size()));
    if (family == QLatin1String("Arial") && !ApplicationFonts::ArialFamily().isEmpty())
        family = ApplicationFonts::ArialFamily();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Grey antialiasing only: coloured fringes could land on pure green.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Qt sizes fonts by em, the game by cell height: take the pixel size whose
// cell height comes closest, the smaller one on a tie so the text still fits.
void Font::FitCellHeight(QFont& font, int cellHeight) {
    int bestSize = cellHeight;
    int bestDiff = -1;
    for (int size = cellHeight / 2; size <= cellHeight; ++size) {
        font.setPixelSize(size < 1 ? 1 : size);
        const int diff = std::abs(QFontMetrics(font).height() - cellHeight);
        if (bestDiff < 0 || diff < bestDiff) {
            bestDiff = diff;
            bestSize = size < 1 ? 1 : size;
        }
    }
    font.setPixelSize(bestSize);
}
