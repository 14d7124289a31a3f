#include "BoardTexts.h"

#include "GameTexts.h"
#include "Translation.h"

namespace {
std::string Board(const char* source) {
    return Translation::Text("Board", source);
}

std::string Title(const char* source) {
    return Translation::Text("WindowTitle", source);
}
} // namespace

BoardTexts::BoardTexts()
    : repositionHint(Board(GameTexts::kRepositionHint)), playAgain(Board(GameTexts::kPlayAgain)),
      prompt(Board(GameTexts::kPrompt)), helpLine(Board(GameTexts::kHelpLine)),
      movesLeft(Board(GameTexts::kMovesLeft)), moveCount(Board(GameTexts::kMoveCount)),
      hitCount(Board(GameTexts::kHitCount)), misses(Board(GameTexts::kMisses)),
      hits(Board(GameTexts::kHits)), score(Board(GameTexts::kScore)),
      rightsNotice(Title(GameTexts::kRightsNotice)),
      versionSuffix(Title(GameTexts::kVersionSuffix)) {}
