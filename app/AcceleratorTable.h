#pragma once

#include <QKeySequence>
#include <span>

// Accelerator table 128: these key combinations become commands and never
// reach the view, even those whose command nothing handles.
struct Accelerator {
    QKeyCombination keys;
    int command;
};

class AcceleratorTable {
public:
    static std::span<const Accelerator> Entries();
};
