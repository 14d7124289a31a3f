#pragma once

#include <QMargins>
#include <QRect>

// What the window manager has told about a top-level window, and whether
// that is its settled place: maximized over the work area, inside its frame,
// with the size Qt has already applied to the widgets.
struct WindowPlacement {
    bool canMaximize = true; // the window manager supports the maximized state
    bool tellsFrame = true;  // ... and publishes frame extents
    bool configured = false; // it has placed the window since mapping it
    bool mapped = false;     // it has mapped the window
    bool maximizedHorz = false;
    bool maximizedVert = false;
    bool framed = false; // the frame extents are known
    QMargins frame;      // the frame's left, top, right and bottom
    QRect workArea;      // root coordinates
    QRect client;        // the window's own area, root coordinates
    QSize applied;       // the size Qt has applied to the widgets

    bool IsSettled() const;
    // The window manager has mapped the window, calls it maximized and has
    // framed it, but left it at its former size (xfwm4 does so with a window
    // mapped maximized, until the window's hints change). Before mapping,
    // openbox frames the window before it moves it into the frame.
    bool IsMaximizedInNameOnly() const;

private:
    bool FillsWorkArea() const;
};
