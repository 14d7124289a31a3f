#pragma once

#include "Geometry.h"
#include "TestView.h"

#include <optional>
#include <vector>

// Plays a game on a test view the way a careful player would, reading the
// board off the client image: green cells are still to be covered.
class BoardPlayer {
public:
    explicit BoardPlayer(TestView& t) : m_t(t) {}

    // The pen's cell, as an offset from the board's top-left corner.
    Point Pen() const;
    bool GreenAt(Point offset) const;
    // The arrow key that moves the pen onto a green neighbour, 0 if none.
    unsigned ArrowToGreen() const;
    // The first green cell on the board, row by row.
    std::optional<Point> AnyGreenCell() const;
    // The first arrow of a shortest way, over any cells, to the nearest
    // green cell; 0 when no green is left.
    unsigned ArrowTowardsNearestGreen() const;

    // Plays until the game ends: along green with the arrows, and where the
    // chain runs out, with a right click on another green cell if allowed,
    // otherwise the shortest way over white. Returns the keys pressed
    // (0 for a right click).
    std::vector<unsigned> PlayToTheEnd(bool rightClicks);

private:
    TestView& m_t;
};
