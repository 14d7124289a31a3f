#pragma once

#include <xcb/xcb.h>

// The X11 atoms the program names, all asked for in one go as start-up
// begins and read when first needed: the server answers while the program
// builds its window, so no step of start-up waits for that round trip.
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
        WmIcon,
        kCount
    };

    // Sends the requests, once; does nothing where the platform is not X11.
    static void Prefetch();
    // XCB_ATOM_NONE where the platform is not X11.
    static xcb_atom_t Get(Name name);
};
