#pragma once

#include "CellGrid.h"

// One drawing function per outline of the catalogue, each in its own source
// file (DrawTriangle in OutlineTriangle.cpp, ...). Each draws only the green
// cells; the printed number is added by the generator from the finished
// cell count.
#define ORLIX_OUTLINE(number, name, thumbnail, outline, x, y, drawing)                             \
    void Draw##drawing(CellGrid& g);
#include "Outlines.def"
#undef ORLIX_OUTLINE
