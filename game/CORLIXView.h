#pragma once

#include "Bitmap.h"
#include "BoardTexts.h"
#include "Brush.h"
#include "CView.h"
#include "Font.h"
#include "GameState.h"
#include "Geometry.h"
#include "KeyDispatch.h"
#include "OutlineCatalogue.h"
#include "Surface.h"
#include "ViewServices.h"

#include <array>
#include <ctime>
#include <memory>
#include <string>

// The game view: all the state of the game in progress, the screen layout
// and the handlers for every event that reaches the board.
class CORLIXView : public CView {
public:
    static constexpr int kBoardSize = 250;
    static constexpr int kThumbSize = 21;
    static constexpr int kSoundMove = 130;
    static constexpr int kSoundBrr = 136;
    static constexpr ColorRef kNameColour = RGB(32, 140, 180);
    static constexpr ColorRef kPromptColour = RGB(0, 0, 92);
    static constexpr ColorRef kHelpColour = RGB(255, 80, 80);
    static constexpr ColorRef kHiddenNumberColour = RGB(249, 249, 249);

    explicit CORLIXView(const ViewServices& services);
    ~CORLIXView() override;

    void OnDraw(Surface& dc) override;
    void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    void OnLButtonDown(unsigned nFlags, Point point) override;
    void OnRButtonDown(unsigned nFlags, Point point) override;
    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(PageSurface& dc, CPrintInfo& info) override;
    // The instructions page: the instructions word-wrapped in the page's
    // margins, the window title above them.
    void OnPrint(PageSurface& dc, CPrintInfo& info) override;
    void OnEndPrinting(PageSurface& dc, CPrintInfo& info) override;

    void ComputeLayout(Surface& dc);
    void CountGreen();
    // Blanks and redraws the three counter lines, one after the other.
    void DrawCounters(Surface& dc);
    // Back to choosing an outline: blanks the game areas, shows the prompt.
    void ClearToSelecting(Surface& dc);
    // Once the moves are spent: misses, hits and score, the score filed in
    // the history, and the game Finished. Does nothing while moves are left.
    void EndGame();

private:
    // Tests and benchmarks read the fields through it (tests/support).
    friend class ViewProbe;

    // Fields. Index 0 of the arrays by outline number is unused.
    Rect m_rcClient;
    Rect m_rcClientFirst;
    std::array<Rect, OutlineCatalogue::kCount + 1> m_rcThumb;
    Rect m_rcPrompt;
    Rect m_rcAdvice;
    Font m_fontMain;
    Font m_fontPrint;
    Font m_fontSmall;
    Font m_fontName;
    char m_szNumber[12] = {};
    char m_szLabel[24] = {};
    Point m_ptPen;
    int m_bLayoutDone = 0;
    GameState m_nGameState = GameState::Selecting;
    int m_nMovesLeft = 0;
    int m_nMisses = 0;
    int m_nMovesTotal = 0;
    Brush m_brWhite{kWhite};
    std::array<Bitmap, OutlineCatalogue::kCount + 1> m_bmThumb;
    std::array<Bitmap, OutlineCatalogue::kCount + 1> m_bmOutline;
    Bitmap* m_pOldOutlineBitmap = nullptr;
    std::unique_ptr<Surface> m_dcOutline;
    std::unique_ptr<Surface> m_dcThumb;
    std::time_t m_tNow = 0;
    std::string m_strTitle;
    std::string m_strTime;
    std::string m_strName;
    int m_nPageHeight = 0; // printing: printable height, its unit, the text area
    int m_nPrintUnit = 0;
    Rect m_rcPrintText;
    int m_nBudget = 0;
    int m_nHitCount = 0;
    int m_nImage = 0;
    std::string m_strInstructions;
    std::string m_strInstructionsBox;
    std::string m_strAdvice;
    std::string m_strBoardName; // the board in words, as last told
    std::string m_strBoardText;
    Size m_sizeSmallM;
    Size m_sizeNameSample;
    Rect m_rcBoard;
    Rect m_rcMovesLeft;
    Rect m_rcMisses;
    Rect m_rcHits;
    Rect m_rcScore;
    Rect m_rcHint;
    Rect m_rcMoveCount;
    Rect m_rcHitCount;
    Rect m_rcName;

    void BuildTexts();
    void ComputeRectangles(int width, int height);
    void BlankForSelection(Surface& dc);
    int ThumbnailAt(Point point) const;
    void StartOutline(Surface& dc, int number);
    void DrawName(Surface& dc);
    void PaintPen(Surface& dc);
    void MovePen(Surface& dc, KeyAction direction);
    bool ArrowBlocked(KeyAction direction) const;
    void SpendMove(Surface& dc);
    int GreenPixelsOnBoard(const Surface& dc) const;
    // Formats "label" + value into m_szLabel, blanks rect and draws the
    // text centred in it.
    void DrawLine(Surface& dc, const Rect& rect, const char* label, int value,
                  const char* format = "%3i");
    void FormatNumber(int value, const char* format);
    // Draws label followed by m_szNumber centred in rect.
    void DrawLabel(Surface& dc, const Rect& rect, const char* label);
    void ShowResults(Surface& dc);
    void DrawResultLines(Surface& dc);
    void DrawPaintTitle();
    bool ClientSizeChanged();
    void DrawBoardState(Surface& dc);
    void DrawThumbnails(Surface& dc);
    void DrawHelpLine(Surface& dc);
    void DrawPromptOrName(Surface& dc);
    void DrawHintAndAdvice(Surface& dc, const char* hint, unsigned hintFormat);
    void Brr();
    // Tells the board's name and what it shows, when they changed.
    void TellBoard();

    ViewServices m_services;
    const BoardTexts m_texts;
};
