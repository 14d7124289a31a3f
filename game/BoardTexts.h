#pragma once

#include <string>

// The texts the board and the window title show, in the player's language,
// looked up once when the view is made (the English sources: GameTexts).
struct BoardTexts {
    BoardTexts();

    std::string repositionHint;
    std::string playAgain;
    std::string prompt;
    std::string helpLine;
    std::string movesLeft;
    std::string moveCount;
    std::string hitCount;
    std::string misses;
    std::string hits;
    std::string score;
    std::string rightsNotice;
    std::string versionSuffix;
};
