#include "MenuTable.h"

#include "CommandIds.h"

#include <QtGlobal>

namespace {
constexpr MenuEntry kEntries[] = {
    {QT_TRANSLATE_NOOP("Menu", "&File"), nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu", "&File"), QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P"),
     ID_FILE_PRINT},
    {QT_TRANSLATE_NOOP("Menu", "&File"), nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu", "&File"), QT_TRANSLATE_NOOP("Menu", "E&xit"), ID_APP_EXIT},
    {QT_TRANSLATE_NOOP("Menu", "&Help"), QT_TRANSLATE_NOOP("Menu", "&About O.R.L.I.X...."),
     ID_APP_ABOUT},
};
} // namespace

std::span<const MenuEntry> MenuTable::Entries() {
    return kEntries;
}
