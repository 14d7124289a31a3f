#pragma once

// The layouts text in a rectangle can take, as flags that combine the way the
// game's drawing code names them.
enum TextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_TOP = 0x0,
    DT_CENTER = 0x1,
    DT_VCENTER = 0x4,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
};
