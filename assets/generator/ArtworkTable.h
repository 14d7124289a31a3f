#pragma once

#include "Box.h"
#include "CellGrid.h"
#include "OutlineCatalogue.h"

#include <array>
#include <string_view>

// The outlines in catalogue order, each with its drawing and the figures
// its artwork is drawn to: cells, parts, branch cells, green box, and the
// box the printed number is centred on. The measured figures of the drawn
// artwork are compared against these by --measure; only the number box
// steers drawing.
struct ArtworkEntry {
    int number;
    std::string_view name;
    int outlineId;
    int thumbnailId;
    void (*draw)(CellGrid&);
    CellGrid::P start;
    int cells;
    int parts;
    int branchCells;
    Box greenBox;
    Box numberBox;
};

class ArtworkTable {
public:
    static const std::array<ArtworkEntry, OutlineCatalogue::kCount>& Entries();
};
