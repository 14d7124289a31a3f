#include "CORLIXView.h"

#include "GameTexts.h"
#include "IBitmapLoader.h"
#include "ISoundPlayer.h"
#include "InstructionTexts.h"
#include "OutlineCatalogue.h"
#include "Translation.h"

#include <cstdio>
#include <cstring>

CORLIXView::CORLIXView(const ViewServices& services) : m_services(services) {
    for (const OutlineEntry& entry : OutlineCatalogue::Entries()) {
        const int i = entry.number;
        m_bmThumb[i] = m_services.bitmaps->LoadBitmap(entry.thumbnailId);
        m_bmOutline[i] = m_services.bitmaps->LoadBitmap(entry.outlineId);
        const int left = 10 + 33 * (i - 1);
        m_rcThumb[i] = {left, 10, left + kThumbSize, 10 + kThumbSize};
    }
    BuildTexts();
}

// The box F1 shows is the instructions up to the download paragraph, which
// only the printed page carries.
void CORLIXView::BuildTexts() {
    using namespace InstructionTexts;
    const auto text = [](const char* source) { return Translation::Text("Instructions", source); };
    m_strInstructions = text(kWelcome) + "\n\n" + text(kSteps) + "\n\n" + text(kHint) + "\n\n" +
                        text(kBrr) + "\n" + text(kScreenSize) + "\n\n" + text(kPublisher);
    m_strInstructionsBox = m_strInstructions;
    m_strInstructions += "\n\n" + text(kDownload);
    m_strAdvice = Translation::Text("Board", GameTexts::kAdvice);
}

// No outline bitmap may still be selected into the mirror when it goes.
CORLIXView::~CORLIXView() {
    if (m_dcOutline && m_pOldOutlineBitmap != nullptr)
        m_dcOutline->SelectBitmap(m_pOldOutlineBitmap);
}

// What the handler drew shows before the brr holds the input.
void CORLIXView::Brr() {
    UpdateWindow();
    if (m_services.sound != nullptr)
        m_services.sound->PlaySoundWait(kSoundBrr);
}

// The pen covers one 2 x 2 cell; it is painted on the window and in the
// mirror, so a repaint from the mirror brings the trace back exactly.
void CORLIXView::PaintPen(Surface& dc) {
    const int x = m_ptPen.x, y = m_ptPen.y;
    const int bx = x - m_rcBoard.left, by = y - m_rcBoard.top;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            dc.SetPixel(x + dx, y + dy, kBlack);
    if (!m_dcOutline)
        return;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            m_dcOutline->SetPixel(bx + dx, by + dy, kBlack);
}

void CORLIXView::DrawLine(Surface& dc, const Rect& rect, const char* label, int value,
                          const char* format) {
    FormatNumber(value, format);
    dc.FillRect(rect, m_brWhite);
    DrawLabel(dc, rect, label);
}

void CORLIXView::FormatNumber(int value, const char* format) {
    std::snprintf(m_szNumber, sizeof m_szNumber, format, value);
}

void CORLIXView::DrawLabel(Surface& dc, const Rect& rect, const char* label) {
    std::snprintf(m_szLabel, sizeof m_szLabel, "%s%s", label, m_szNumber);
    dc.DrawText(m_szLabel, rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

int CORLIXView::GreenPixelsOnBoard(const Surface& dc) const {
    // Column by column: x outer, y inner.
    auto count = [this](auto isGreen) {
        int n = 0;
        for (int dx = 0; dx < kBoardSize; ++dx)
            for (int dy = 0; dy < kBoardSize; ++dy)
                n += isGreen(m_rcBoard.left + dx, m_rcBoard.top + dy) ? 1 : 0;
        return n;
    };
    if (dc.Contains(m_rcBoard))
        return count([&dc](int x, int y) { return dc.PixelInsideEquals(x, y, kOutlineGreen); });
    return count([&dc](int x, int y) { return dc.GetPixel(x, y) == kOutlineGreen; });
}
