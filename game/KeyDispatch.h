#pragma once

#include "GameState.h"

#include <span>

// What a key press does, decided by the key and the game's phase.
enum class KeyAction {
    Nothing,      // silent, nothing changes
    Instructions, // the instructions box
    Scores,       // the scores dialog
    PlayAgain,    // back to choosing an outline after a finished game
    Refuse,       // the brr, nothing changes
    Cancel,       // give up the game under way
    MoveLeft,
    MoveUp,
    MoveRight,
    MoveDown,
};

// The key table, read top row first: the first row whose key and phase
// match decides.
class KeyDispatch {
public:
    static constexpr unsigned kAnyKey = 0;
    static constexpr unsigned kAnyState = 0x7;

    struct Rule {
        unsigned key;    // virtual-key code, or kAnyKey
        unsigned states; // a mask of StateBit()
        KeyAction action;
    };

    static constexpr unsigned StateBit(GameState state) { return 1u << unsigned(state); }
    static std::span<const Rule> Rules();
    static KeyAction Lookup(unsigned key, GameState state);
};
