#pragma once

class QWidget;

// Asks an X11 window manager not to let the player move or resize the
// window: the layout is fixed at the first paint. Does nothing elsewhere.
class X11WindowHints {
public:
    static void ForbidMoveAndResize(QWidget* window);
};
