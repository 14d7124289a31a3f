#include "BoardPicture.h"

#include "NumberPrinter.h"

namespace {
constexpr int kStarId = 173;
}

BoardPicture::BoardPicture(const ArtworkEntry& entry)
    : m_entry(entry), m_image(kSize, kSize, Palette::Standard16(), White) {
    m_entry.draw(m_grid);
    PaintCells();
    m_numberBox = NumberPrinter::PrintCentred(m_image, m_entry.numberBox, m_grid.CellCount());
    PaintStrayPixels();
}

void BoardPicture::PaintCells() {
    for (int cy = 0; cy < CellGrid::kCells; ++cy)
        for (int cx = 0; cx < CellGrid::kCells; ++cx)
            if (m_grid.CellAt(cx, cy))
                m_image.FillRect(2 * cx, 2 * cy, 2 * cx + 2, 2 * cy + 2, Green);
}

void BoardPicture::PaintStrayPixels() {
    if (m_entry.outlineId != kStarId)
        return;
    for (const auto& [x, y] : {std::pair{47, 47}, std::pair{49, 49}, std::pair{199, 199}})
        m_image.Set(x, y, Yellow);
}
