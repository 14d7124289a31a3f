#pragma once

#include "Geometry.h"

#include <QImage>
#include <QRegion>
#include <functional>

// The window's client area as an in-memory RGB32 image. Handlers draw into
// it, pixel reads come from it, and the host widget only puts it on screen:
// what they drew, which the drawing records as the area it touched.
class ClientArea {
public:
    ClientArea() = default;
    ClientArea(int width, int height) { Resize(width, height); }

    // A new size starts from a white image, made when it is first drawn
    // into or shown: a window manager may change the size again before the
    // first paint, and the pages of each new image are costly to touch.
    void Resize(int width, int height);
    Rect ClientRect() const { return {0, 0, m_size.width(), m_size.height()}; }
    QImage& Image() {
        MakeImageIfStale();
        return m_image;
    }
    const QImage& Image() const {
        MakeImageIfStale();
        return m_image;
    }
    // The part of the image drawn since the last TakeTouched().
    QRegion& Touched() { return m_touched; }
    QRegion TakeTouched() { return std::exchange(m_touched, QRegion()); }
    // What shows the touched part on screen at once, where there is a screen.
    void SetShowNow(std::function<void()> show) { m_showNow = std::move(show); }
    void ShowNow() {
        if (m_showNow)
            m_showNow();
    }

private:
    void MakeImageIfStale() const;

    QSize m_size;
    mutable bool m_stale = false; // the image is not yet one of m_size
    mutable QImage m_image;
    QRegion m_touched;
    std::function<void()> m_showNow;
};
