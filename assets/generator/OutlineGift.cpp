#include "Outlines.h"

void DrawGift(CellGrid& g) {
    // The square on its corner, each corner flat over five cells.
    g.Polyline(
        {{120, 0}, {128, 0}, {248, 120}, {248, 128}, {128, 248}, {120, 248}, {0, 128}, {0, 120}},
        true);
    g.Polyline({{80, 92}, {168, 92}, {168, 156}, {80, 156}}, true);
    // Ribbons from each corner inwards to the box in the middle.
    g.Line({124, 0}, {124, 92});
    g.Line({124, 156}, {124, 248});
    g.Line({0, 124}, {80, 124});
    g.Line({168, 124}, {248, 124});
}
