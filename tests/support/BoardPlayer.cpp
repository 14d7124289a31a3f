#include "BoardPlayer.h"

#include "VirtualKeys.h"

#include <array>
#include <queue>

namespace {
constexpr int kCells = 125;
struct Step {
    unsigned key;
    int dx, dy;
};
constexpr std::array<Step, 4> kSteps{{
    {VK_LEFT, -2, 0},
    {VK_UP, 0, -2},
    {VK_RIGHT, 2, 0},
    {VK_DOWN, 0, 2},
}};

bool OnBoard(Point p) {
    return p.x >= 0 && p.y >= 0 && p.x < 2 * kCells && p.y < 2 * kCells;
}
} // namespace

Point BoardPlayer::Pen() const {
    const ViewProbe v = m_t.Probe();
    return {v.m_ptPen.x - v.m_rcBoard.left, v.m_ptPen.y - v.m_rcBoard.top};
}

bool BoardPlayer::GreenAt(Point offset) const {
    const Rect& board = m_t.Probe().m_rcBoard;
    return OnBoard(offset) &&
           m_t.client.Image().pixel(board.left + offset.x, board.top + offset.y) == 0xFF00FF00;
}

unsigned BoardPlayer::ArrowToGreen() const {
    const Point pen = Pen();
    for (const Step& step : kSteps)
        if (GreenAt({pen.x + step.dx, pen.y + step.dy}))
            return step.key;
    return 0;
}

std::optional<Point> BoardPlayer::AnyGreenCell() const {
    for (int y = 0; y < 2 * kCells; y += 2)
        for (int x = 0; x < 2 * kCells; x += 2)
            if (GreenAt({x, y}))
                return Point{x, y};
    return std::nullopt;
}

unsigned BoardPlayer::ArrowTowardsNearestGreen() const {
    const Point pen = Pen();
    std::vector<unsigned> firstKey(kCells * kCells, 0);
    std::vector<bool> seen(kCells * kCells, false);
    std::queue<Point> queue;
    seen[size_t(pen.y / 2 * kCells + pen.x / 2)] = true;
    queue.push(pen);
    while (!queue.empty()) {
        const Point at = queue.front();
        queue.pop();
        const unsigned key = firstKey[size_t(at.y / 2 * kCells + at.x / 2)];
        if (key != 0 && GreenAt(at))
            return key;
        for (const Step& step : kSteps) {
            const Point next{at.x + step.dx, at.y + step.dy};
            const size_t index = size_t(next.y / 2 * kCells + next.x / 2);
            if (!OnBoard(next) || seen[index])
                continue;
            seen[index] = true;
            firstKey[index] = key != 0 ? key : step.key;
            queue.push(next);
        }
    }
    return 0;
}

std::vector<unsigned> BoardPlayer::PlayToTheEnd(bool rightClicks) {
    std::vector<unsigned> keys;
    const Rect& board = m_t.Probe().m_rcBoard;
    while (m_t.Probe().m_nGameState == GameState::Tracing) {
        unsigned key = ArrowToGreen();
        if (key == 0 && rightClicks) {
            if (const auto cell = AnyGreenCell()) {
                m_t.RightClick(board.left + cell->x, board.top + cell->y);
                keys.push_back(0);
                continue;
            }
        }
        if (key == 0)
            key = ArrowTowardsNearestGreen();
        m_t.Key(key != 0 ? key : unsigned(VK_LEFT));
        keys.push_back(key);
    }
    return keys;
}
