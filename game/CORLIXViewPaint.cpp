#include "CORLIXView.h"

#include "IShell.h"
#include "OutlineCatalogue.h"
#include "Score.h"
#include "TimeText.h"

void CORLIXView::OnDraw(Surface& dc) {
    DrawPaintTitle();
    if (m_bLayoutDone && ClientSizeChanged())
        return;
    if (m_bLayoutDone && m_nGameState != GameState::Selecting)
        DrawBoardState(dc);
    if (!m_bLayoutDone)
        ComputeLayout(dc);
    DrawThumbnails(dc);
    dc.FillRect(m_rcPrompt, m_brWhite);
    dc.FillRect(m_rcName, m_brWhite);
    DrawHelpLine(dc);
    DrawPromptOrName(dc);
    TellBoard();
}

void CORLIXView::DrawPaintTitle() {
    m_tNow = std::time(nullptr);
    char buffer[128];
    std::tm local{};
    const bool ok = localtime_r(&m_tNow, &local) != nullptr &&
                    std::strftime(buffer, sizeof buffer, "%c", &local) > 0;
    // In the locale's own encoding, which need not be the UTF-8 of the rest.
    m_strTime = ok ? TimeText::Decode(buffer).toStdString() : "";
    m_strTitle = m_texts.rightsNotice + m_strTime + m_texts.versionSuffix;
    if (m_services.shell != nullptr)
        m_services.shell->SetMainWindowTitle(m_strTitle);
}

// The layout holds only for the client size it was made for; the program
// ends rather than play on a board that no longer fits.
bool CORLIXView::ClientSizeChanged() {
    m_rcClient = GetClientRect();
    if (m_rcClient == m_rcClientFirst)
        return false;
    if (m_services.shell != nullptr)
        m_services.shell->ExitProcess(0);
    return true;
}

void CORLIXView::DrawBoardState(Surface& dc) {
    dc.SelectFont(&m_fontMain);
    if (m_dcOutline)
        dc.BitBlt(m_rcBoard.left, m_rcBoard.top, kBoardSize, kBoardSize, *m_dcOutline, 0, 0);
    dc.SetTextColor(kBlack);
    DrawCounters(dc);
    if (m_nMovesLeft < 1 && m_nMovesTotal >= 1) {
        DrawResultLines(dc);
        if (m_nGameState == GameState::Finished)
            DrawHintAndAdvice(dc, m_texts.playAgain.c_str(),
                              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        else
            DrawHintAndAdvice(dc, nullptr, 0);
    } else if (m_nGameState == GameState::Tracing && m_nMovesLeft >= 1) {
        DrawHintAndAdvice(dc, m_texts.repositionHint.c_str(), DT_WORDBREAK | DT_CENTER);
    }
}

void CORLIXView::DrawResultLines(Surface& dc) {
    DrawLine(dc, m_rcMisses, m_texts.misses.c_str(), m_nMisses);
    DrawLine(dc, m_rcHits, m_texts.hits.c_str(), m_nMovesTotal - m_nMisses);
    DrawLine(dc, m_rcScore, m_texts.score.c_str(), ComputeScore(m_nMovesTotal, m_nMisses), "%3.1i");
}

// hint nullptr leaves the hint area alone and draws only the advice.
void CORLIXView::DrawHintAndAdvice(Surface& dc, const char* hint, unsigned hintFormat) {
    if (hint != nullptr) {
        dc.FillRect(m_rcHint, m_brWhite);
        dc.DrawText(hint, m_rcHint, hintFormat);
    }
    dc.FillRect(m_rcAdvice, m_brWhite);
    dc.DrawText(m_strAdvice, m_rcAdvice, DT_WORDBREAK);
}

void CORLIXView::DrawThumbnails(Surface& dc) {
    m_dcThumb = Surface::CreateCompatible(dc);
    for (int number = 1; number <= OutlineCatalogue::kCount; ++number) {
        Bitmap* old = m_dcThumb->SelectBitmap(&m_bmThumb[number]);
        const Rect& r = m_rcThumb[number];
        dc.BitBlt(r.left, r.top, kThumbSize, kThumbSize, *m_dcThumb, 0, 0);
        m_dcThumb->SelectBitmap(old);
    }
}

void CORLIXView::DrawHelpLine(Surface& dc) {
    dc.SelectFont(&m_fontSmall);
    dc.SetTextColor(kHelpColour);
    dc.TextOut(m_rcClient.left + 5, m_rcClient.bottom - m_sizeSmallM.cy - 2, m_texts.helpLine);
    dc.SetTextColor(kBlack);
}

void CORLIXView::DrawPromptOrName(Surface& dc) {
    if (m_nGameState == GameState::Selecting) {
        dc.SetTextColor(kPromptColour);
        dc.DrawText(m_texts.prompt, m_rcPrompt, DT_SINGLELINE | DT_VCENTER);
        return;
    }
    DrawName(dc);
}
