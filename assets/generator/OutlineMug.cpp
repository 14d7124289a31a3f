#include "Outlines.h"

void DrawMug(CellGrid& g) {
    // Body with its bottom corners bevelled.
    g.Polyline({{0, 0}, {176, 0}, {176, 242}, {170, 248}, {6, 248}, {0, 242}}, true);
    // Outer line of the handle; it leaves the body with a short flat so the
    // bend does not brush against the body's side.
    g.Polyline({{176, 32},
                {180, 32},
                {182, 28},
                {242, 28},
                {248, 34},
                {248, 172},
                {242, 178},
                {182, 178},
                {180, 174},
                {176, 174}},
               false);
    // Inner line of the handle, a closed chain of its own.
    g.Polyline({{190, 36},
                {234, 36},
                {240, 42},
                {240, 164},
                {234, 170},
                {190, 170},
                {184, 164},
                {184, 42}},
               true);
}
