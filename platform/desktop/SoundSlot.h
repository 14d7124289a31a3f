#pragma once

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <mutex>

// The one sound the output plays, shared between the game's thread, which
// starts sounds, and the audio thread, which takes them out in chunks. A new
// sound replaces the one playing, whether it has begun or not. A sound that
// could not begin within a moment of being asked for (the output was
// opening, or the server stalled) is dropped rather than played late.
class SoundSlot {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kStartLimit{300};

    // Starts pcm in place of whatever plays; returns the sound's ticket
    // (1, 2, ...).
    quint64 Play(const QByteArray& pcm, Clock::time_point now = Clock::now());

    struct Taken {
        qsizetype soundBytes = 0; // how many of the bytes are sound
        bool begins = false;      // a sound begins with these bytes
        quint64 through = 0;      // no sound up to this ticket has more to give
        qsizetype endAt = 0;      // where in these bytes that sound ended; 0: before them
    };
    // Fills out with the next bytes of the sound, silence (zero) after it.
    Taken Take(char* out, qsizetype bytes, Clock::time_point now = Clock::now());
    // No sound waits or plays.
    bool IsIdle() const;
    // Returns at once when a sound waits to begin, else when one is asked
    // for (true) or after the timeout (false).
    bool WaitForNewSound(std::chrono::microseconds timeout);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_askedFor;
    QByteArray m_sound;
    qsizetype m_taken = 0;
    quint64 m_ticket = 0;
    Clock::time_point m_asked;
};
