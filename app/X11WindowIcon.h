#pragma once

#include <QImage>
#include <QList>
#include <vector>

class QWidget;

// A window's icon as its X11 _NET_WM_ICON property, made in one pass over
// the sizes as decoded (on any thread) and written in one request. Qt makes
// a pixmap of each size and converts it twice on the way, for every time it
// sets the icon: megabytes of fresh memory touched ahead of the first frame
// for a few kilobytes of icon.
class X11WindowIcon {
public:
    // The property's contents: for each size, width, height and the pixels
    // as ARGB, row by row.
    static std::vector<quint32> Data(const QList<QImage>& sizes);
    // False, with nothing done, where the platform is not X11.
    static bool Set(QWidget* window, const std::vector<quint32>& data);
};
