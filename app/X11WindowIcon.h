#pragma once

#include <QImage>
#include <QList>

class QWidget;

// Writes a window's icon to its X11 _NET_WM_ICON property in one pass over
// the sizes as decoded. Qt makes a pixmap of each size and converts it
// twice on the way, for every time it sets the icon: megabytes of fresh
// memory touched ahead of the first frame for a few kilobytes of icon.
class X11WindowIcon {
public:
    // False, with nothing done, where the platform is not X11.
    static bool Set(QWidget* window, const QList<QImage>& sizes);
};
