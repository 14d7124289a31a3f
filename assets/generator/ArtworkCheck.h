#pragma once

#include "BoardPicture.h"

#include <string>
#include <vector>

// The rules the game relies on, checked on a finished outline picture:
// whole green cells only, a cell at the start point, the parts the
// catalogue expects, no corner-only contacts, and a printed number that
// sits on its box without touching green. Empty when all hold.
class ArtworkCheck {
public:
    static constexpr int kNumberTolerance = 2;

    static std::vector<std::string> Problems(const BoardPicture& picture);

private:
    static bool WholeCellsOnly(const IndexedImage& image);
    static bool NumberOnBox(const Box& actual, const Box& wanted);
};
