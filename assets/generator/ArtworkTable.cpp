#include "ArtworkTable.h"

#include "Outlines.h"

#include <iterator>

namespace {
struct Figures {
    std::string_view outline; // the catalogue's name of the outline
    int cells;
    int parts;
    int branchCells;
    Box greenBox;
    Box numberBox;
};

// clang-format off
constexpr Figures kFigures[] = {
    // outline, cells, parts, branch, green box,         number box
    {"Triangle", 496, 1, 0,   {0, 0, 249, 249},   {98, 150, 151, 169}},
    {"Circle",   496, 1, 0,   {0, 0, 249, 249},   {98, 115, 151, 134}},
    {"Dancer",   776, 1, 4,   {20, 0, 203, 249},  {98, 210, 151, 229}},
    {"Diamond",  756, 2, 708, {80, 80, 167, 167}, {98, 185, 151, 204}},
    {"Church",   721, 1, 2,   {0, 0, 249, 249},   {99, 142, 149, 161}},
    {"Grid",     984, 1, 12,  {0, 0, 249, 249},   {97, 115, 152, 134}},
    {"Mug",      764, 2, 2,   {0, 0, 249, 249},   {61, 115, 116, 134}},
    {"Vase",     660, 1, 8,   {0, 0, 249, 249},   {98, 116, 151, 135}},
    {"Clover",   640, 2, 0,   {0, 0, 249, 249},   {98, 162, 151, 181}},
    {"Gift",     816, 1, 8,   {0, 0, 249, 249},   {98, 115, 151, 134}},
    {"Stairs",   496, 1, 0,   {0, 0, 249, 249},   {55, 177, 108, 196}},
    {"Pear",     496, 1, 0,   {0, 0, 249, 249},   {98, 165, 151, 184}},
    {"Cross",    640, 1, 0,   {0, 0, 249, 249},   {98, 115, 151, 134}},
    {"Star",     752, 1, 0,   {0, 0, 249, 249},   {98, 115, 151, 134}},
    {"Letter E", 672, 1, 0,   {40, 0, 215, 249},  {97, 115, 150, 134}},
};
// clang-format on
// A row missing, added or out of place fails the build.
constexpr bool FiguresFollowTheCatalogue() {
    if (std::size(kFigures) != OutlineCatalogue::kEntries.size())
        return false;
    for (std::size_t i = 0; i < std::size(kFigures); ++i)
        if (kFigures[i].outline != OutlineCatalogue::kEntries[i].name)
            return false;
    return true;
}
static_assert(FiguresFollowTheCatalogue(), "a row of figures per outline, in catalogue order");

#define ORLIX_OUTLINE(number, name, thumbnail, outline, x, y, drawing) Draw##drawing,
constexpr std::array<void (*)(CellGrid&), OutlineCatalogue::kCount> kDrawings{
#include "Outlines.def"
};
#undef ORLIX_OUTLINE

std::array<ArtworkEntry, OutlineCatalogue::kCount> Build() {
    std::array<ArtworkEntry, OutlineCatalogue::kCount> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OutlineEntry& o = OutlineCatalogue::kEntries[i];
        const Figures& f = kFigures[i];
        entries[i] = {
            o.number, o.name,  o.outlineId,   o.thumbnailId, kDrawings[i], {o.start.x, o.start.y},
            f.cells,  f.parts, f.branchCells, f.greenBox,    f.numberBox};
    }
    return entries;
}
} // namespace

const std::array<ArtworkEntry, OutlineCatalogue::kCount>& ArtworkTable::Entries() {
    static const std::array<ArtworkEntry, OutlineCatalogue::kCount> entries = Build();
    return entries;
}
