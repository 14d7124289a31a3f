#include "Outlines.h"

// The star's outline runs clockwise from the top point. The inner corners are
// short flats of three cells: a staircase that turns back on itself at a
// single cell would fold into a 2 x 2 block. Each diagonal point starts its two
// sides with a short straight leg, so the sides open out at the tip instead of
// meeting in a corner-only touch.
void DrawStar(CellGrid& g) {
    g.Polyline({{120, 0},   {128, 0},   {142, 76},  {146, 76},  {200, 44},  {204, 44},
                {204, 48},  {172, 102}, {172, 106}, {248, 120}, {248, 128}, {172, 142},
                {172, 146}, {204, 200}, {204, 204}, {200, 204}, {146, 172}, {142, 172},
                {128, 248}, {120, 248}, {106, 172}, {102, 172}, {48, 204},  {44, 204},
                {44, 200},  {76, 146},  {76, 142},  {0, 128},   {0, 120},   {76, 106},
                {76, 102},  {44, 48},   {44, 44},   {48, 44},   {102, 76},  {106, 76}},
               true);
}
