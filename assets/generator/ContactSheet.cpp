#include "ContactSheet.h"

#include "ArtworkTable.h"
#include "BoardPicture.h"
#include "NumberPrinter.h"
#include "ThumbnailArt.h"

namespace {
constexpr int kGap = 8;
constexpr int kZoom = 4;
constexpr int kColumns = 3;
constexpr int kTileWidth = kGap + BoardPicture::kSize + kGap + kZoom * ThumbnailArt::kSize + kGap;
constexpr int kTileHeight = kGap + BoardPicture::kSize + kGap;
} // namespace

void ContactSheet::PlaceTile(IndexedImage& sheet, int index) {
    const ArtworkEntry& entry = ArtworkTable::Entries()[static_cast<std::size_t>(index)];
    const int x = kGap + index % kColumns * kTileWidth + kGap;
    const int y = kGap + index / kColumns * kTileHeight;
    const int size = BoardPicture::kSize;
    sheet.FillRect(x - 1, y - 1, x + size + 1, y + size + 1, Grey); // frame the board
    sheet.Blit(BoardPicture(entry).Image(), x, y);
    const int tx = x + size + kGap;
    sheet.Blit(ThumbnailArt::Draw(entry.number), tx, y, kZoom);
    NumberPrinter::Print(sheet, tx, y + kZoom * ThumbnailArt::kSize + kGap, entry.outlineId);
    NumberPrinter::Print(sheet, tx, y + kZoom * ThumbnailArt::kSize + 2 * kGap + 20,
                         entry.thumbnailId);
}

IndexedImage ContactSheet::Build() {
    const int count = static_cast<int>(ArtworkTable::Entries().size());
    const int rows = (count + kColumns - 1) / kColumns;
    IndexedImage sheet(2 * kGap + kColumns * kTileWidth, kGap + rows * kTileHeight,
                       Palette::Extended256(), White);
    for (int i = 0; i < count; ++i)
        PlaceTile(sheet, i);
    return sheet;
}
