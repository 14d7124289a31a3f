#pragma once

#include "ClientArea.h"
#include "Geometry.h"
#include "Surface.h"

// The base of a view: the host widget calls these handlers with the client
// area's surface and coordinates; the view draws into its client area.
class CView {
public:
    CView() = default;
    virtual ~CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

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
