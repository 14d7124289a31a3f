#include "CORLIXView.h"

#include "GameTexts.h"
#include "IShell.h"
#include "Score.h"

#include <string>

namespace {
std::string Line(const char* label, int value) {
    return label + std::to_string(value);
}
} // namespace

// For a screen reader: the prompt while choosing, then the outline's name
// and the numbers on the board, as drawn. A move changes only the numbers.
void CORLIXView::TellBoard() {
    if (m_services.shell == nullptr || !m_bLayoutDone)
        return;
    std::string name = m_nGameState == GameState::Selecting ? GameTexts::kPrompt : m_strName;
    std::string text;
    if (m_nGameState == GameState::Tracing)
        text = Line("Hit Count: ", m_nHitCount) + ", " +
               Line("Move Count: ", m_nMovesTotal - m_nMovesLeft) + ", " +
               Line("Moves Left: ", m_nMovesLeft);
    else if (m_nGameState == GameState::Finished && m_nMovesTotal >= 1)
        text = Line("Misses: ", m_nMisses) + ", " + Line("Hits: ", m_nMovesTotal - m_nMisses) +
               ", " + Line("Score: ", ComputeScore(m_nMovesTotal, m_nMisses)) + ". " +
               GameTexts::kPlayAgain;
    else if (m_nGameState == GameState::Finished)
        text = GameTexts::kPlayAgain;
    if (name == m_strBoardName && text == m_strBoardText)
        return;
    m_strBoardName = std::move(name);
    m_strBoardText = std::move(text);
    m_services.shell->SetBoardText(m_strBoardName, m_strBoardText);
}
