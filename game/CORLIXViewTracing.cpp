#include "CORLIXView.h"

#include "IShell.h"
#include "ISoundPlayer.h"

void CORLIXView::OnKeyDown(unsigned nChar, unsigned, unsigned) {
    Surface dc = GetClientSurface();
    dc.SelectFont(&m_fontMain);
    const KeyAction action = KeyDispatch::Lookup(nChar, m_nGameState);
    switch (action) {
    case KeyAction::Nothing:
        break;
    case KeyAction::Instructions:
        if (m_services.shell != nullptr)
            m_services.shell->ShowMessageBox(m_strInstructionsBox);
        break;
    case KeyAction::Scores:
        if (m_services.shell != nullptr)
            m_services.shell->RunScoresDialog();
        break;
    case KeyAction::PlayAgain:
    case KeyAction::Cancel:
        ClearToSelecting(dc);
        break;
    case KeyAction::Refuse:
        Brr();
        break;
    case KeyAction::MoveLeft:
    case KeyAction::MoveUp:
    case KeyAction::MoveRight:
    case KeyAction::MoveDown:
        MovePen(dc, action);
        break;
    }
    TellBoard();
}

// One comparison against the board edge ahead; with the pen on even
// offsets this keeps it on offsets 0..248.
bool CORLIXView::ArrowBlocked(KeyAction direction) const {
    const Rect& b = m_rcBoard;
    switch (direction) {
    case KeyAction::MoveLeft:
        return m_ptPen.x <= b.left + 1;
    case KeyAction::MoveUp:
        return m_ptPen.y <= b.top + 1;
    case KeyAction::MoveRight:
        return m_ptPen.x >= b.right - 2;
    default:
        return m_ptPen.y >= b.bottom - 2;
    }
}

// A blocked move is silent and paints nothing, but it is still a move.
void CORLIXView::MovePen(Surface& dc, KeyAction direction) {
    if (!ArrowBlocked(direction)) {
        switch (direction) {
        case KeyAction::MoveLeft:
            m_ptPen.x -= 2;
            break;
        case KeyAction::MoveUp:
            m_ptPen.y -= 2;
            break;
        case KeyAction::MoveRight:
            m_ptPen.x += 2;
            break;
        default:
            m_ptPen.y += 2;
            break;
        }
        // Only the pen's top-left pixel decides, before the pen covers it.
        if (dc.GetPixel(m_ptPen.x, m_ptPen.y) == kOutlineGreen)
            ++m_nHitCount;
        PaintPen(dc);
        UpdateWindow(); // the move before its counters: it is what the player follows
        if (m_services.sound != nullptr)
            m_services.sound->PlaySoundAsync(kSoundMove);
    }
    SpendMove(dc);
}

void CORLIXView::SpendMove(Surface& dc) {
    --m_nMovesLeft;
    DrawCounters(dc);
    if (m_nMovesLeft < 1)
        EndGame();
}

void CORLIXView::DrawCounters(Surface& dc) {
    DrawLine(dc, m_rcMovesLeft, m_texts.movesLeft.c_str(), m_nMovesLeft);
    DrawLine(dc, m_rcMoveCount, m_texts.moveCount.c_str(), m_nMovesTotal - m_nMovesLeft);
    DrawLine(dc, m_rcHitCount, m_texts.hitCount.c_str(), m_nHitCount);
}

// Counters, pen and mirror keep their values until the next selection sets
// them again; only the screen is cleared.
void CORLIXView::ClearToSelecting(Surface& dc) {
    m_nGameState = GameState::Selecting;
    for (const Rect* rect :
         {&m_rcBoard, &m_rcMisses, &m_rcHits, &m_rcMovesLeft, &m_rcMoveCount, &m_rcHitCount,
          &m_rcScore, &m_rcPrompt, &m_rcHint, &m_rcName, &m_rcAdvice})
        dc.FillRect(*rect, m_brWhite);
    dc.SelectFont(&m_fontSmall);
    dc.SetTextColor(kPromptColour);
    dc.DrawText(m_texts.prompt, m_rcPrompt, DT_SINGLELINE | DT_VCENTER);
}
