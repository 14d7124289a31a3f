#include "CView.h"

#include "CPrintInfo.h"
#include "IPrintDialog.h"

#include <QPainter>

void CView::OnPaint(const QRegion& invalid) {
    if (m_pClientArea == nullptr)
        return;
    QImage& image = m_pClientArea->Image();
    const QRegion region = invalid & QRect(QPoint(0, 0), image.size());
    if (!image.isNull() && !region.isEmpty()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setClipRegion(region);
        painter.fillRect(image.rect(), Qt::white);
    }
    Surface dc(&image);
    dc.SetClipRegion(region);
    OnDraw(dc);
}

void CView::OnPaint() {
    if (m_pClientArea != nullptr)
        OnPaint(QRegion(m_pClientArea->Image().rect()));
}

void CView::OnKeyDown(unsigned, unsigned, unsigned) {}
void CView::OnLButtonDown(unsigned, Point) {}
void CView::OnRButtonDown(unsigned, Point) {}

bool CView::OnPreparePrinting(CPrintInfo& info) {
    return DoPreparePrinting(info);
}

void CView::OnBeginPrinting(PageSurface&, CPrintInfo&) {}
void CView::OnPrint(PageSurface&, CPrintInfo&) {}
void CView::OnEndPrinting(PageSurface&, CPrintInfo&) {}

bool CView::DoPreparePrinting(CPrintInfo& info) {
    if (info.m_bDirect)
        return true;
    return info.m_pPD != nullptr && info.m_pPD->DoModal();
}

void CView::UpdateWindow() {
    if (m_pClientArea != nullptr)
        m_pClientArea->ShowNow();
}

Rect CView::GetClientRect() const {
    return m_pClientArea != nullptr ? m_pClientArea->ClientRect() : Rect{};
}

Surface CView::GetClientSurface() const {
    if (m_pClientArea == nullptr)
        return Surface(nullptr);
    return Surface(&m_pClientArea->Image(), &m_pClientArea->Touched());
}
