#include "MenuTable.h"

#include "CommandIds.h"

const std::array<MenuEntry, 5>& MenuTable::Entries() {
    static const std::array<MenuEntry, 5> entries{{
        {"&File", nullptr, 0},
        {"&File", "&Print...\tCtrl+P", ID_FILE_PRINT},
        {"&File", nullptr, 0},
        {"&File", "E&xit", ID_APP_EXIT},
        {"&Help", "&About O.R.L.I.X....", ID_APP_ABOUT},
    }};
    return entries;
}
