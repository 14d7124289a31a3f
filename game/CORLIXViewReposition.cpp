#include "CORLIXView.h"

#include "ISoundPlayer.h"

// Lifting the pen onto a green cell: a move that always counts a hit. Every
// refusal changes nothing and spends nothing.
void CORLIXView::OnRButtonDown(unsigned, Point point) {
    Surface dc = GetClientSurface();
    const Rect& b = m_rcBoard;
    // The right and bottom edge coordinates pass here; the colour test
    // refuses them, since nothing green lies outside the board.
    bool accepted =
        b.left <= point.x && point.x <= b.right && b.top <= point.y && point.y <= b.bottom;
    Point cell;
    if (accepted) {
        cell = {point.x - (point.x - b.left) % 2, point.y - (point.y - b.top) % 2};
        accepted = dc.GetPixel(cell.x, cell.y) == kOutlineGreen;
    }
    if (!accepted || m_nGameState != GameState::Tracing) {
        Brr();
        return;
    }
    m_ptPen = cell;
    ++m_nHitCount;
    PaintPen(dc);
    UpdateWindow();
    if (m_services.sound != nullptr)
        m_services.sound->PlaySoundAsync(kSoundMove);
    dc.SelectFont(&m_fontMain);
    SpendMove(dc);
    TellBoard();
}
