#include "ViewProbe.h"

ViewProbe::ViewProbe(CORLIXView& view)
    : m_view(view), m_rcClient(view.m_rcClient), m_rcClientFirst(view.m_rcClientFirst),
      m_rcThumb(view.m_rcThumb), m_rcPrompt(view.m_rcPrompt), m_rcAdvice(view.m_rcAdvice),
      m_fontMain(view.m_fontMain), m_fontPrint(view.m_fontPrint), m_fontSmall(view.m_fontSmall),
      m_fontName(view.m_fontName), m_szLabel(view.m_szLabel), m_ptPen(view.m_ptPen),
      m_bLayoutDone(view.m_bLayoutDone), m_nGameState(view.m_nGameState),
      m_nMovesLeft(view.m_nMovesLeft), m_nMisses(view.m_nMisses), m_nMovesTotal(view.m_nMovesTotal),
      m_bmThumb(view.m_bmThumb), m_bmOutline(view.m_bmOutline), m_dcOutline(view.m_dcOutline),
      m_strTitle(view.m_strTitle), m_strTime(view.m_strTime), m_strName(view.m_strName),
      m_nPageHeight(view.m_nPageHeight), m_nPrintUnit(view.m_nPrintUnit),
      m_rcPrintText(view.m_rcPrintText), m_nBudget(view.m_nBudget), m_nHitCount(view.m_nHitCount),
      m_nImage(view.m_nImage), m_strInstructions(view.m_strInstructions),
      m_strInstructionsBox(view.m_strInstructionsBox), m_strAdvice(view.m_strAdvice),
      m_sizeSmallM(view.m_sizeSmallM), m_sizeNameSample(view.m_sizeNameSample),
      m_rcBoard(view.m_rcBoard), m_rcMovesLeft(view.m_rcMovesLeft), m_rcMisses(view.m_rcMisses),
      m_rcHits(view.m_rcHits), m_rcScore(view.m_rcScore), m_rcHint(view.m_rcHint),
      m_rcMoveCount(view.m_rcMoveCount), m_rcHitCount(view.m_rcHitCount), m_rcName(view.m_rcName) {}

void ViewProbe::SetFinished(int budget, int misses) const {
    m_view.m_nMovesTotal = budget;
    m_view.m_nMovesLeft = 0;
    m_view.m_nMisses = misses;
    m_view.m_nGameState = GameState::Finished;
}

void ViewProbe::SetPenOnBoard(Point offset) const {
    m_view.m_ptPen = {m_view.m_rcBoard.left + offset.x, m_view.m_rcBoard.top + offset.y};
}
