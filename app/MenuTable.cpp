#include "MenuTable.h"

#include "CommandIds.h"

namespace {
constexpr MenuEntry kEntries[] = {
    {"&File", nullptr, 0},
    {"&File", "&Print...\tCtrl+P", ID_FILE_PRINT},
    {"&File", nullptr, 0},
    {"&File", "E&xit", ID_APP_EXIT},
    {"&Help", "&About O.R.L.I.X....", ID_APP_ABOUT},
};
} // namespace

std::span<const MenuEntry> MenuTable::Entries() {
    return kEntries;
}
