#pragma once

#include <array>

// The outlines in the order of the thumbnail strip, from Outlines.def.
// Standard C++ only: the artwork generator reads it too.
struct OutlineEntry {
    int number; // 1.., the strip position and the view's m_nImage
    const char* name;
    int thumbnailId; // bitmap resource ids
    int outlineId;
    struct {
        int x, y;
    } start; // the pen's first cell, from the board's top-left corner
};

class OutlineCatalogue {
public:
#define ORLIX_OUTLINE(number, name, thumbnail, outline, x, y, drawing)                             \
    {number, name, thumbnail, outline, {x, y}},
    static constexpr std::array kEntries = std::to_array<OutlineEntry>({
#include "Outlines.def"
    });
#undef ORLIX_OUTLINE
    static constexpr int kCount = int(kEntries.size());

    static constexpr const std::array<OutlineEntry, kCount>& Entries() {
        return kEntries;
    }
    // number 1..kCount
    static constexpr const OutlineEntry& Entry(int number) {
        return kEntries.at(number - 1);
    }
};
