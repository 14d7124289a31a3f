#include "CORLIXView.h"

#include "IScoreRecorder.h"
#include "Score.h"

void CORLIXView::EndGame() {
    Surface dc = GetClientSurface();
    dc.SelectFont(&m_fontMain);
    if (m_nMovesLeft >= 1)
        return;
    // The green still on the board, in pen cells, is what was missed.
    m_nMisses = GreenPixelsOnBoard(dc) / 4;
    if (m_nMovesTotal >= 1)
        ShowResults(dc);
    m_nGameState = GameState::Finished;
    dc.FillRect(m_rcHint, m_brWhite);
    dc.DrawText(m_texts.playAgain, m_rcHint, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// The score is filed exactly as shown, without its label.
void CORLIXView::ShowResults(Surface& dc) {
    DrawLine(dc, m_rcMisses, m_texts.misses.c_str(), m_nMisses);
    DrawLine(dc, m_rcHits, m_texts.hits.c_str(), m_nMovesTotal - m_nMisses);
    FormatNumber(ComputeScore(m_nMovesTotal, m_nMisses), "%3.1i");
    if (m_services.scores != nullptr)
        m_services.scores->RecordScore(m_nImage, m_szNumber);
    dc.FillRect(m_rcScore, m_brWhite);
    DrawLabel(dc, m_rcScore, m_texts.score.c_str());
}
