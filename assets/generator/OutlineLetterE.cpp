#include "Outlines.h"

void DrawLetterE(CellGrid& g) {
    // The bottom arm mirrors the top one: its outer corner reaches one cell
    // further right than its inner corner.
    g.Polyline({{40, 0},
                {214, 0},
                {212, 40},
                {80, 42},
                {82, 104},
                {196, 106},
                {194, 146},
                {82, 146},
                {80, 206},
                {212, 208},
                {214, 248},
                {40, 248}},
               true);
}
