#pragma once

// The phase of the game, with its fixed values; Selecting is the phase at
// start.
enum class GameState : int {
    Tracing = 0,
    Selecting = 1,
    Finished = 2,
};
