#pragma once

#include <QKeySequence>
#include <array>

// Accelerator table 128: these key combinations become commands and never
// reach the view, even those whose command nothing handles.
struct Accelerator {
    QKeyCombination keys;
    int command;
};

class AcceleratorTable {
public:
    static const std::array<Accelerator, 14>& Entries();
};
