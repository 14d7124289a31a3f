#include "Outlines.h"

void DrawTriangle(CellGrid& g) {
    // Sides are drawn up from the base corners with their first steps
    // vertical, so they leave the base without touching it.
    g.Line({248, 248}, {0, 248});
    g.Line({248, 248}, {126, 0}, -1);
    g.Line({0, 248}, {122, 0}, -1);
    g.Line({122, 0}, {126, 0});
}
