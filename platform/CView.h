#pragma once

#include "ClientArea.h"
#include "Geometry.h"
#include "Surface.h"

#include <QRegion>

// The base of a view: the host widget calls these handlers with the client
// area's surface and coordinates; the view draws into its client area.
class CView {
public:
    CView() = default;
    virtual ~CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    // A repaint as the window system asks for one: the invalid part of the
    // client area is erased to white, then OnDraw draws with its output
    // clipped to that part.
    void OnPaint(const QRegion& invalid);
    // The whole client area, as at the first paint or a forced repaint.
    void OnPaint();

    virtual void OnDraw(Surface& dc) = 0;
    virtual void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags);
    virtual void OnLButtonDown(unsigned nFlags, Point point);
    virtual void OnRButtonDown(unsigned nFlags, Point point);

    void AttachClientArea(ClientArea* area) { m_pClientArea = area; }
    ClientArea* GetClientArea() const { return m_pClientArea; }
    Rect GetClientRect() const;
    // A surface over the client area, like a client drawing context.
    Surface GetClientSurface() const;

private:
    ClientArea* m_pClientArea = nullptr;
};
