#pragma once

#include "CORLIXView.h"

// The one way tests and benchmarks reach the game view's private state:
// every field they look at, read-only, by its name, and the few set-ups no
// player's events reach (or reach only through hundreds of moves), each
// named for what it sets.
class ViewProbe {
public:
    explicit ViewProbe(CORLIXView& view);

    // Set-ups. The game goes on from there as if it had got there itself.
    void SetMovesLeft(int movesLeft) const { m_view.m_nMovesLeft = movesLeft; }
    // A game that ended with this budget and these misses, ready to show.
    void SetFinished(int budget, int misses) const;
    // The budget of the game under way, as if its outline had that many cells.
    void SetBudget(int budget) const { m_view.m_nMovesTotal = budget; }
    // The pen at this offset from the board's top-left corner.
    void SetPenOnBoard(Point offset) const;
    void SetTitle(const std::string& title) const { m_view.m_strTitle = title; }
    // What the end of a handler does: tells the board in words, if changed.
    void TellBoard() const { m_view.TellBoard(); }

private:
    CORLIXView& m_view;

public:
    const Rect& m_rcClient;
    const Rect& m_rcClientFirst;
    const std::array<Rect, OutlineCatalogue::kCount + 1>& m_rcThumb;
    const Rect& m_rcPrompt;
    const Rect& m_rcAdvice;
    const Font& m_fontMain;
    const Font& m_fontPrint;
    const Font& m_fontSmall;
    const Font& m_fontName;
    const char (&m_szLabel)[24];
    const Point& m_ptPen;
    const int& m_bLayoutDone;
    const GameState& m_nGameState;
    const int& m_nMovesLeft;
    const int& m_nMisses;
    const int& m_nMovesTotal;
    const std::array<Bitmap, OutlineCatalogue::kCount + 1>& m_bmThumb;
    const std::array<Bitmap, OutlineCatalogue::kCount + 1>& m_bmOutline;
    const std::unique_ptr<Surface>& m_dcOutline;
    const std::string& m_strTitle;
    const std::string& m_strTime;
    const std::string& m_strName;
    const int& m_nPageHeight;
    const int& m_nPrintUnit;
    const Rect& m_rcPrintText;
    const int& m_nBudget;
    const int& m_nHitCount;
    const int& m_nImage;
    const std::string& m_strInstructions;
    const std::string& m_strInstructionsBox;
    const std::string& m_strAdvice;
    const Size& m_sizeSmallM;
    const Size& m_sizeNameSample;
    const Rect& m_rcBoard;
    const Rect& m_rcMovesLeft;
    const Rect& m_rcMisses;
    const Rect& m_rcHits;
    const Rect& m_rcScore;
    const Rect& m_rcHint;
    const Rect& m_rcMoveCount;
    const Rect& m_rcHitCount;
    const Rect& m_rcName;
};
