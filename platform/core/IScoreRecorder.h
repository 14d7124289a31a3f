#pragma once

#include <string>

// Where the game files the score of each finished game.
class IScoreRecorder {
public:
    virtual ~IScoreRecorder() = default;
    // text: the score exactly as the game shows it; outline: 1.., the
    // outline's number.
    virtual void RecordScore(int outline, const std::string& text) = 0;
};
