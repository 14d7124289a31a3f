#include "CView.h"

void CView::OnKeyDown(unsigned, unsigned, unsigned) {}
void CView::OnLButtonDown(unsigned, Point) {}
void CView::OnRButtonDown(unsigned, Point) {}

Rect CView::GetClientRect() const {
    return m_pClientArea != nullptr ? m_pClientArea->ClientRect() : Rect{};
}

Surface CView::GetClientSurface() const {
    return Surface(m_pClientArea != nullptr ? &m_pClientArea->Image() : nullptr);
}
