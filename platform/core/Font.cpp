#include "Font.h"

#include "ApplicationFonts.h"

#include <QFontMetrics>
#include <algorithm>
#include <functional>
#include <map>

namespace {
constexpr std::string_view kBoldSuffix = " Bold";
// Used where a font of height 0 is asked for: the desktop's ordinary text size.
constexpr int kDefaultPixelSize = 13;

// The first size from smallest to largest whose height is closest to
// target. Heights grow with the size, so the closest lie on either side of
// the first size that reaches the target: the search starts where the
// largest size's proportions point and walks from there.
int ClosestSize(const std::function<int(int)>& height, int target, int smallest, int largest) {
    const int guess = int(qint64(largest) * target / std::max(height(largest), 1));
    int reach = std::clamp(guess, smallest, largest + 1);
    while (reach <= largest && height(reach) < target)
        ++reach;
    while (reach > smallest && height(reach - 1) >= target)
        --reach;
    int below = reach - 1;
    while (below > smallest && height(below - 1) == height(below))
        --below;
    const bool belowCloser =
        below >= smallest && (reach > largest || target - height(below) <= height(reach) - target);
    return belowCloser ? below : reach;
}
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
    if (family == QLatin1String("Arial")) {
        const QString builtIn = ApplicationFonts::ArialFamily(bold);
        if (!builtIn.isEmpty())
            family = builtIn;
    }
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Grey antialiasing only: coloured fringes could land on pure green.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Qt sizes fonts by em, the game by cell height: take the pixel size from
// half the cell height to all of it whose cell height comes closest, the
// smaller one on a tie so the text still fits. Each size tried costs a font
// engine, so the sizes are not all tried (see ClosestSize).
void Font::FitCellHeight(QFont& font, int cellHeight) {
    std::map<int, int> heights;
    const auto height = [&font, &heights](int size) {
        const auto [known, fresh] = heights.try_emplace(size, 0);
        if (fresh) {
            font.setPixelSize(size);
            known->second = QFontMetrics(font).height();
        }
        return known->second;
    };
    font.setPixelSize(
        ClosestSize(height, cellHeight, std::max(cellHeight / 2, 1), std::max(cellHeight, 1)));
}
