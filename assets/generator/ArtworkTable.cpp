#include "ArtworkTable.h"

#include "Outlines.h"

const std::array<ArtworkEntry, 15>& ArtworkTable::Entries() {
    // clang-format off
    static const std::array<ArtworkEntry, 15> entries{{
        // no, name,     outline, thumb, drawing,  start,  cells, parts, branch, green box, number box
        {1, "Triangle", 160, 130, DrawTriangle, {0, 248}, 496, 1, 0, {0, 0, 249, 249}, {98, 150, 151, 169}},
        {2, "Circle", 161, 132, DrawCircle, {126, 0}, 496, 1, 0, {0, 0, 249, 249}, {98, 115, 151, 134}},
        {3, "Dancer", 163, 134, DrawDancer, {126, 0}, 776, 1, 4, {20, 0, 203, 249}, {98, 210, 151, 229}},
        {4, "Diamond", 165, 137, DrawDiamond, {80, 80}, 756, 2, 708, {80, 80, 167, 167}, {98, 185, 151, 204}},
        {5, "Church", 166, 142, DrawChurch, {0, 248}, 721, 1, 2, {0, 0, 249, 249}, {99, 142, 149, 161}},
        {6, "Grid", 167, 140, DrawGrid, {0, 0}, 984, 1, 12, {0, 0, 249, 249}, {97, 115, 152, 134}},
        {7, "Mug", 168, 138, DrawMug, {0, 0}, 764, 2, 2, {0, 0, 249, 249}, {61, 115, 116, 134}},
        {8, "Vase", 169, 144, DrawVase, {0, 0}, 660, 1, 8, {0, 0, 249, 249}, {98, 116, 151, 135}},
        {9, "Clover", 170, 146, DrawClover, {124, 0}, 640, 2, 0, {0, 0, 249, 249}, {98, 162, 151, 181}},
        {10, "Gift", 164, 148, DrawGift, {124, 0}, 816, 1, 8, {0, 0, 249, 249}, {98, 115, 151, 134}},
        {11, "Stairs", 171, 150, DrawStairs, {0, 0}, 496, 1, 0, {0, 0, 249, 249}, {55, 177, 108, 196}},
        {12, "Pear", 172, 153, DrawPear, {124, 0}, 496, 1, 0, {0, 0, 249, 249}, {98, 165, 151, 184}},
        {13, "Cross", 162, 154, DrawCross, {124, 0}, 640, 1, 0, {0, 0, 249, 249}, {98, 115, 151, 134}},
        {14, "Star", 173, 156, DrawStar, {124, 0}, 752, 1, 0, {0, 0, 249, 249}, {98, 115, 151, 134}},
        {15, "Letter E", 174, 158, DrawLetterE, {40, 0}, 672, 1, 0, {40, 0, 215, 249}, {97, 115, 150, 134}},
    }};
    // clang-format on
    return entries;
}
