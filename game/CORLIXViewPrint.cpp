#include "CORLIXView.h"

#include "CPrintInfo.h"
#include "PageSurface.h"

namespace {
// The page is measured in fifty-seconds of its printable height.
constexpr int kUnitsPerPage = 52;
} // namespace

bool CORLIXView::OnPreparePrinting(CPrintInfo& info) {
    return DoPreparePrinting(info);
}

void CORLIXView::OnBeginPrinting(PageSurface&, CPrintInfo&) {}
void CORLIXView::OnEndPrinting(PageSurface&, CPrintInfo&) {}

// Everything scales with the page: the text in fonts one unit high, margins
// of 3 units at the sides, 4 at the top (room for the title) and 2 at the
// bottom. What does not fit on the one page is cut off.
void CORLIXView::OnPrint(PageSurface& dc, CPrintInfo& info) {
    const Rect& page = info.m_rectDraw;
    m_nPageHeight = page.Height();
    m_nPrintUnit = m_nPageHeight / kUnitsPerPage;
    const int u = m_nPrintUnit;
    m_fontPrint = Font("Arial", u);
    const Font* oldFont = dc.SelectFont(&m_fontPrint);
    m_rcPrintText = {page.left + 3 * u, page.top + 4 * u, page.right - 3 * u, page.bottom - 2 * u};
    dc.DrawText(m_strInstructions, m_rcPrintText, DT_WORDBREAK);
    m_fontPrint = Font("Arial", (4 * u) / 5);
    dc.SelectFont(&m_fontPrint);
    dc.TextOut(page.left + 3 * u, page.top + u, m_strTitle);
    dc.SelectFont(oldFont);
}
