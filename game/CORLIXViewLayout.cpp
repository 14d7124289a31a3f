#include "CORLIXView.h"

namespace {
constexpr const char* kScreenFace = "Arial Bold";
constexpr int kMainFontHeight = 18;

int SmallFontHeight(int width) {
    return width >= 790 ? 18 : 14;
}

int NameFontHeight(int height) {
    return height / 19;
}
} // namespace

void CORLIXView::ComputeLayout(Surface& dc) {
    m_bLayoutDone = 1;
    m_rcClient = GetClientRect();
    m_rcClientFirst = m_rcClient;
    const int width = m_rcClientFirst.right, height = m_rcClientFirst.bottom;
    m_ptPen = {width / 2, height / 2};

    m_fontSmall = Font(kScreenFace, SmallFontHeight(width));
    dc.SelectFont(&m_fontSmall);
    m_sizeSmallM = dc.GetTextExtent("M");

    m_fontName = Font(kScreenFace, NameFontHeight(height));
    dc.SelectFont(&m_fontName);
    m_sizeNameSample = dc.GetTextExtent("xTrianglex");

    m_fontMain = Font(kScreenFace, kMainFontHeight);
    ComputeRectangles(width, height);
    m_nGameState = GameState::Selecting;
}

void CORLIXView::ComputeRectangles(int width, int height) {
    const int bl = (width - kBoardSize) / 2, bt = (height - kBoardSize) / 2;
    const int br = bl + kBoardSize, bb = bt + kBoardSize;
    m_rcBoard = {bl, bt, br, bb};
    m_rcMovesLeft = {bl, bt - 25, br, bt};
    m_rcMoveCount = {bl, bt - 47, br, bt - 22};
    m_rcHitCount = {bl, bt - 69, br, bt - 44};
    m_rcMisses = {bl, bb, br, bb + 25};
    m_rcHits = {bl, bb + 25, br, bb + 50};
    m_rcScore = {bl, bb + 50, br, bb + 75};
    m_rcHint = {0, bb + 85, width, bb + 119};
    m_rcPrompt = {10, 41, 4 * width / 5 - 1, 57};
    const int nameTop = 57 + (3 * m_sizeNameSample.cy) / 2;
    m_rcName = {109, nameTop, 109 + m_sizeNameSample.cx, nameTop + m_sizeNameSample.cy};
    m_rcAdvice = {4 * width / 5, 30, width - 20, 4 * height / 5};
}
