#pragma once

#include "Geometry.h"

#include <array>

// The fifteen outlines in the order of the thumbnail strip.
struct OutlineEntry {
    int number; // 1..15, the strip position and the view's m_nImage
    const char* name;
    int thumbnailId; // bitmap resource ids
    int outlineId;
    Point start; // the pen's first cell, from the board's top-left corner
};

class OutlineCatalogue {
public:
    static constexpr int kCount = 15;
    static const std::array<OutlineEntry, kCount>& Entries();
    // number 1..15
    static const OutlineEntry& Entry(int number);
};
