#include "WindowPlacement.h"

#include <algorithm>

// Nothing is painted before the window manager maps the window, so nothing
// before that settles it; a window mapped at the size it keeps is settled
// then. Qt itself writes the maximized state before the window is mapped,
// so the state alone does not show that the window manager has acted: the
// frame extents it publishes do, or else its placing the window after
// mapping it.
bool WindowPlacement::IsSettled() const {
    if (!mapped || applied != client.size() || !(tellsFrame ? framed : configured))
        return false;
    if (!canMaximize)
        return true;
    return maximizedHorz && maximizedVert && (!tellsFrame || FillsWorkArea());
}

bool WindowPlacement::IsMaximizedInNameOnly() const {
    return mapped && canMaximize && tellsFrame && framed && maximizedHorz && maximizedVert &&
           applied == client.size() && !FillsWorkArea();
}

// The window lies inside the work area and its frame covers it. Some window
// managers push a maximized frame's borders off the screen, so the frame
// may reach past the work area by a border's width, never by its title:
// a window that is still where it was before it was framed reaches past it
// by the whole title.
bool WindowPlacement::FillsWorkArea() const {
    if (!workArea.contains(client))
        return false;
    const QRect outer = client.marginsAdded(frame);
    const int border = std::max({frame.left(), frame.right(), frame.bottom()});
    return outer.contains(workArea) &&
           workArea.marginsAdded(QMargins(border, border, border, border)).contains(outer);
}
