#include "CORLIXView.h"

#include "IShell.h"
#include "Score.h"

#include <string>

namespace {
std::string Line(const std::string& label, int value) {
    return label + std::to_string(value);
}
} // namespace

// For a screen reader: the prompt while choosing, then the outline's name
// and the numbers on the board, as drawn. A move changes only the numbers.
void CORLIXView::TellBoard() {
    if (m_services.shell == nullptr || !m_bLayoutDone)
        return;
    std::string name = m_nGameState == GameState::Selecting ? m_texts.prompt : m_strName;
    std::string text;
    if (m_nGameState == GameState::Tracing)
        text = Line(m_texts.hitCount, m_nHitCount) + ", " +
               Line(m_texts.moveCount, m_nMovesTotal - m_nMovesLeft) + ", " +
               Line(m_texts.movesLeft, m_nMovesLeft);
    else if (m_nGameState == GameState::Finished && m_nMovesTotal >= 1)
        text = Line(m_texts.misses, m_nMisses) + ", " +
               Line(m_texts.hits, m_nMovesTotal - m_nMisses) + ", " +
               Line(m_texts.score, ComputeScore(m_nMovesTotal, m_nMisses)) + ". " +
               m_texts.playAgain;
    else if (m_nGameState == GameState::Finished)
        text = m_texts.playAgain;
    if (name == m_strBoardName && text == m_strBoardText)
        return;
    m_strBoardName = std::move(name);
    m_strBoardText = std::move(text);
    m_services.shell->SetBoardText(m_strBoardName, m_strBoardText);
}
