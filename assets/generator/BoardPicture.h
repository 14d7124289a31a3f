#pragma once

#include "ArtworkTable.h"
#include "Box.h"
#include "CellGrid.h"
#include "IndexedImage.h"

// One finished 250 x 250 outline picture: white, every green cell as four
// pure green pixels, the cell count printed in black, and the Star's three
// stray yellow pixels.
class BoardPicture {
public:
    static constexpr int kSize = 250;

    explicit BoardPicture(const ArtworkEntry& entry);

    const ArtworkEntry& Entry() const { return m_entry; }
    const CellGrid& Grid() const { return m_grid; }
    const IndexedImage& Image() const { return m_image; }
    // Where the printed number's ink actually landed.
    const Box& NumberBox() const { return m_numberBox; }

private:
    void PaintCells();
    void PaintStrayPixels();

    const ArtworkEntry& m_entry;
    CellGrid m_grid;
    IndexedImage m_image;
    Box m_numberBox;
};
