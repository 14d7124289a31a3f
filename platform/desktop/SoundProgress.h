#pragma once

#include <QtGlobal>
#include <chrono>
#include <mutex>
#include <optional>

// How far the sound output has got: until when the sounds asked for so far
// are heard, and whether the server still answers. The audio thread writes
// it, the game's thread reads it to know how long to hold the input.
class SoundProgress {
public:
    using Clock = std::chrono::steady_clock;
    // A call into the server that takes this long means it has stalled: a
    // write waits at most a chunk's length when all is well.
    static constexpr std::chrono::milliseconds kStallLimit{150};

    // Every sound up to the ticket through is heard to its end at endsAt.
    void SetEnd(quint64 through, Clock::time_point endsAt);
    bool HasEnded(quint64 ticket, Clock::time_point now = Clock::now()) const;

    // Makes a call into the server, timed for the stall checks below.
    template <typename Call> auto Timed(Call call) {
        Calling();
        auto result = call();
        Answered();
        return result;
    }
    bool IsStalled(Clock::time_point now = Clock::now()) const;
    // A call has taken the stall limit or longer since this was last asked.
    bool TakeStall();

private:
    void Calling(Clock::time_point now = Clock::now());
    void Answered(Clock::time_point now = Clock::now());

    mutable std::mutex m_mutex;
    quint64 m_through = 0;
    Clock::time_point m_endsAt;
    std::optional<Clock::time_point> m_callingSince;
    bool m_stalled = false;
};
