#pragma once

// The phase of the game; the values are the ones the game has always used.
enum class GameState : int {
    Tracing = 0,
    Selecting = 1,
    Finished = 2,
};
