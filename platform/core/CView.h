#pragma once

#include "ClientArea.h"
#include "Geometry.h"
#include "Surface.h"

#include <QRegion>

struct CPrintInfo;
class PageSurface;

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

    // Printing, called by the print procedure in this order: the preparation
    // (false stops the job), then on the printer's page the beginning, each
    // page, and the end. By default the preparation shows the print dialog
    // and the other hooks draw nothing.
    virtual bool OnPreparePrinting(CPrintInfo& info);
    virtual void OnBeginPrinting(PageSurface& dc, CPrintInfo& info);
    virtual void OnPrint(PageSurface& dc, CPrintInfo& info);
    virtual void OnEndPrinting(PageSurface& dc, CPrintInfo& info);
    // The standard preparation: the print dialog, unless printing at once;
    // true when printing goes ahead.
    bool DoPreparePrinting(CPrintInfo& info);

    void AttachClientArea(ClientArea* area) { m_pClientArea = area; }
    ClientArea* GetClientArea() const { return m_pClientArea; }
    Rect GetClientRect() const;
    // A surface over the client area, like a client drawing context; what it
    // draws is recorded as touched, for the host to put on screen.
    Surface GetClientSurface() const;
    // Puts what the handler has drawn so far on screen now, rather than when
    // it returns.
    void UpdateWindow();

private:
    ClientArea* m_pClientArea = nullptr;
};
