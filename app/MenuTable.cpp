#include "MenuTable.h"

#include "CommandIds.h"

#include <QtGlobal>

const std::array<MenuEntry, 5>& MenuTable::Entries() {
    static const std::array<MenuEntry, 5> entries{{
        {QT_TRANSLATE_NOOP("Menu", "&File"), nullptr, 0},
        {QT_TRANSLATE_NOOP("Menu", "&File"), QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P"),
         ID_FILE_PRINT},
        {QT_TRANSLATE_NOOP("Menu", "&File"), nullptr, 0},
        {QT_TRANSLATE_NOOP("Menu", "&File"), QT_TRANSLATE_NOOP("Menu", "E&xit"), ID_APP_EXIT},
        {QT_TRANSLATE_NOOP("Menu", "&Help"), QT_TRANSLATE_NOOP("Menu", "&About O.R.L.I.X...."),
         ID_APP_ABOUT},
    }};
    return entries;
}
