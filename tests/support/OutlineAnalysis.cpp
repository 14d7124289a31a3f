#include "OutlineAnalysis.h"

#include <QSet>

namespace {
constexpr QRgb kGreen = 0xFF00FF00, kWhite = 0xFFFFFFFF;
bool IsInk(QRgb c) {
    return c == 0xFF000000 || c == 0xFF808080 || c == 0xFFC0C0C0;
}
} // namespace

OutlineAnalysis::OutlineAnalysis(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_RGB32)) {}

bool OutlineAnalysis::CellGreen(int cx, int cy) const {
    if (cx < 0 || cy < 0 || cx >= 125 || cy >= 125)
        return false;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            if (m_image.pixel(2 * cx + dx, 2 * cy + dy) != kGreen)
                return false;
    return true;
}

int OutlineAnalysis::Cells() const {
    int n = 0;
    for (int cy = 0; cy < 125; ++cy)
        for (int cx = 0; cx < 125; ++cx)
            n += CellGreen(cx, cy) ? 1 : 0;
    return n;
}

int OutlineAnalysis::Neighbours(int cx, int cy) const {
    return int(CellGreen(cx - 1, cy)) + int(CellGreen(cx + 1, cy)) + int(CellGreen(cx, cy - 1)) +
           int(CellGreen(cx, cy + 1));
}

int OutlineAnalysis::Parts() const {
    QSet<int> seen;
    int parts = 0;
    for (int start = 0; start < 125 * 125; ++start) {
        if (!CellGreen(start % 125, start / 125) || seen.contains(start))
            continue;
        ++parts;
        std::vector<int> stack{start};
        seen.insert(start);
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            const int cx = c % 125, cy = c / 125;
            for (auto [nx, ny] : {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}})
                if (CellGreen(nx, ny) && !seen.contains(ny * 125 + nx)) {
                    seen.insert(ny * 125 + nx);
                    stack.push_back(ny * 125 + nx);
                }
        }
    }
    return parts;
}

int OutlineAnalysis::BranchCells() const {
    int n = 0;
    for (int cy = 0; cy < 125; ++cy)
        for (int cx = 0; cx < 125; ++cx)
            n += (CellGreen(cx, cy) && Neighbours(cx, cy) >= 3) ? 1 : 0;
    return n;
}

int OutlineAnalysis::PartialCellPixels() const {
    int n = 0;
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x)
            n += (m_image.pixel(x, y) == kGreen && !CellGreen(x / 2, y / 2)) ? 1 : 0;
    return n;
}

bool OutlineAnalysis::CornerOnlyTouch() const {
    for (int cy = 0; cy < 124; ++cy)
        for (int cx = 0; cx < 125; ++cx)
            for (int d : {-1, 1})
                if (CellGreen(cx, cy) && CellGreen(cx + d, cy + 1) && !CellGreen(cx + d, cy) &&
                    !CellGreen(cx, cy + 1))
                    return true;
    return false;
}

namespace {
template <typename Pred> std::array<int, 4> BoxOf(const QImage& image, Pred pred) {
    std::array<int, 4> box{-1, -1, -1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!pred(image.pixel(x, y)))
                continue;
            if (box[0] < 0)
                box = {x, y, x, y};
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                   std::max(box[3], y)};
        }
    return box;
}
} // namespace

std::array<int, 4> OutlineAnalysis::GreenBox() const {
    return BoxOf(m_image, [](QRgb c) { return c == kGreen; });
}

std::array<int, 4> OutlineAnalysis::InkBox() const {
    return BoxOf(m_image, IsInk);
}

std::vector<Point> OutlineAnalysis::StrayPixels() const {
    std::vector<Point> stray;
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x) {
            const QRgb c = m_image.pixel(x, y);
            if (c != kGreen && c != kWhite && !IsInk(c))
                stray.push_back({x, y});
        }
    return stray;
}

int OutlineAnalysis::LoopLength(int startCx, int startCy) const {
    if (!CellGreen(startCx, startCy))
        return 0;
    int px = -1, py = -1, cx = startCx, cy = startCy, length = 0;
    do {
        if (Neighbours(cx, cy) != 2)
            return 0;
        int nx = -1, ny = -1;
        for (auto [tx, ty] : {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}})
            if (CellGreen(tx, ty) && !(tx == px && ty == py) && nx < 0) {
                nx = tx;
                ny = ty;
            }
        px = cx;
        py = cy;
        cx = nx;
        cy = ny;
        ++length;
    } while ((cx != startCx || cy != startCy) && length <= 125 * 125);
    return length;
}
