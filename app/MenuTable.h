#pragma once

#include <span>

// Menu 128, the main window's menu bar. An entry with command 0 and no text
// is a separator. The texts are English; the menu shows them translated
// (context "Menu").
struct MenuEntry {
    const char* menu; // the drop-down the entry belongs to
    const char* text; // "&" marks the mnemonic, "\t" starts the shortcut text
    int command;
};

class MenuTable {
public:
    static std::span<const MenuEntry> Entries();
};
