#pragma once

#include <xcb/xcb.h>

// The X11 atoms the program names, each asked of the server once, when
// first needed.
class X11Atoms {
public:
    enum Name {
        WmState,
        WmStateMaximizedHorz,
        WmStateMaximizedVert,
        FrameExtents,
        WorkArea,
        MotifWmHints,
        SupportingWmCheck,
        Supported,
        kCount
    };

    // XCB_ATOM_NONE where the platform is not X11.
    static xcb_atom_t Get(Name name);
};
