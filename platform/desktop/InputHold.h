#pragma once

#include <QEventLoop>
#include <chrono>

// While a waited sound plays, the player's keys and clicks wait: they are
// handled afterwards, in order. When the last hold ended tells the host
// which of them queued meanwhile.
class InputHold {
public:
    using Clock = std::chrono::steady_clock;

    // Runs the loop, with the user's input held back, until it quits.
    static void Run(QEventLoop& loop);
    static Clock::time_point LastEnd() { return s_lastEnd; }

private:
    static inline Clock::time_point s_lastEnd;
};
