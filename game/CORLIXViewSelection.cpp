#include "CORLIXView.h"

#include "IBitmapLoader.h"
#include "OutlineCatalogue.h"
#include "Translation.h"

#include <cstdio>

void CORLIXView::OnLButtonDown(unsigned, Point point) {
    Surface dc = GetClientSurface();
    if (m_nGameState != GameState::Selecting) {
        Brr();
        return;
    }
    dc.SelectFont(&m_fontMain);
    BlankForSelection(dc);
    m_dcOutline.reset();
    m_pOldOutlineBitmap = nullptr;
    m_dcOutline = Surface::CreateCompatible(dc);
    const int number = ThumbnailAt(point);
    if (number == 0) {
        Brr();
        return;
    }
    StartOutline(dc, number);
}

void CORLIXView::BlankForSelection(Surface& dc) {
    for (const Rect* rect : {&m_rcBoard, &m_rcMisses, &m_rcHits, &m_rcScore, &m_rcMovesLeft,
                             &m_rcPrompt, &m_rcMoveCount, &m_rcHitCount, &m_rcHint})
        dc.FillRect(*rect, m_brWhite);
    dc.DrawText(m_texts.repositionHint, m_rcHint, DT_WORDBREAK | DT_CENTER);
    dc.FillRect(m_rcAdvice, m_brWhite);
    dc.DrawText(m_strAdvice, m_rcAdvice, DT_WORDBREAK);
}

// A thumbnail's left column and top row do not select it; its right column
// and bottom row, one inside its rectangle, do.
int CORLIXView::ThumbnailAt(Point point) const {
    for (int number = 1; number <= OutlineCatalogue::kCount; ++number) {
        const Rect& r = m_rcThumb[number];
        if (r.left < point.x && point.x < r.right && r.top < point.y && point.y < r.bottom)
            return number;
    }
    return 0;
}

void CORLIXView::StartOutline(Surface& dc, int number) {
    const OutlineEntry& entry = OutlineCatalogue::Entry(number);
    m_strName = Translation::Text("Outline", entry.name);
    m_nImage = number;
    DrawName(dc);
    dc.SelectFont(&m_fontMain);
    dc.SetTextColor(kBlack);

    // The pen of an earlier game on this outline painted into its bitmap.
    m_bmOutline[number] = m_services.bitmaps->LoadBitmap(entry.outlineId);
    m_pOldOutlineBitmap = m_dcOutline->SelectBitmap(&m_bmOutline[number]);
    dc.BitBlt(m_rcBoard.left, m_rcBoard.top, kBoardSize, kBoardSize, *m_dcOutline, 0, 0);
    CountGreen();

    m_nMovesLeft = m_nBudget - 1;
    m_nMovesTotal = m_nBudget;
    m_nHitCount = 1;
    DrawCounters(dc);
    m_ptPen = {m_rcBoard.left + entry.start.x, m_rcBoard.top + entry.start.y};
    PaintPen(dc);
    m_nGameState = GameState::Tracing;
    TellBoard();
}

void CORLIXView::DrawName(Surface& dc) {
    dc.SelectFont(&m_fontName);
    dc.SetTextColor(kNameColour);
    dc.DrawText(m_strName, m_rcName, DT_SINGLELINE | DT_VCENTER);
}

// The budget is read off the board itself, before the start dot covers the
// first cell, so the start dot is the first move and the first hit.
void CORLIXView::CountGreen() {
    Surface dc = GetClientSurface();
    dc.SelectFont(&m_fontMain);
    m_nBudget = GreenPixelsOnBoard(dc) / 4;
    std::snprintf(m_szNumber, sizeof m_szNumber, "%i", m_nBudget);
    dc.SetTextColor(kHiddenNumberColour);
    dc.TextOut(m_rcClient.right - 36, 1, m_szNumber);
}
