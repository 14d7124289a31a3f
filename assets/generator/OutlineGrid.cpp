#include "Outlines.h"

void DrawGrid(CellGrid& g) {
    g.Polyline({{0, 0}, {248, 0}, {248, 248}, {0, 248}}, true);
    // Two lines each way split the square into 3 x 3 fields of 41 cells.
    for (int at : {82, 166}) {
        g.Line({at, 0}, {at, 248});
        g.Line({0, at}, {248, at});
    }
}
