#pragma once

#include "SoundProgress.h"
#include "SoundSlot.h"

#include <QByteArray>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

class SoundFeeder;

// One PulseAudio output stream, fed from a thread of its own: silence
// between the sounds, so that a sound starts without waiting for a stream
// to start. After seconds of silence it closes, so the sound device can
// sleep, and the next sound opens it again behind a little silence, so that
// no sound loses its beginning. The game's thread only hands sounds over
// and reads the progress, and never calls into the audio library, so a
// missing or stalled server cannot hold it. Nothing is connected before
// Open() or the first sound, so start-up does not wait for the audio.
class PulseOutput {
public:
    // Idle: closed after a silence, opening again for the next sound.
    enum class State { Connecting, Open, Idle, Unavailable };

    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Starts connecting; once is enough.
    void Open();
    // Signed 16-bit mono samples at 22050 per second, in place of any
    // sound playing; opens the output first if need be. Returns the
    // sound's ticket.
    quint64 Play(const QByteArray& pcm);
    // The sound is heard to its end, was cut, or was dropped.
    bool HasEnded(quint64 ticket) const;
    // The server has stopped answering.
    bool IsStalled() const;
    State CurrentState() const;

private:
    // Shared with the thread, which may outlive this object when the
    // server stalls at exit.
    struct Shared {
        SoundSlot slot;
        SoundProgress progress;
        std::atomic<State> state{State::Connecting};
        std::atomic<bool> stop{false};
        std::atomic<bool> wanted{false}; // a sound was asked for while closed
        std::mutex mutex;
        std::condition_variable wake;
        bool finished = false;
    };
    enum class FeedEnd { Idle, Lost, Stalled };
    static void Run(std::shared_ptr<Shared> shared);
    static FeedEnd Feed(Shared& shared, SoundFeeder& feeder);
    static void WaitForSound(Shared& shared);
    static void WaitForRetry(Shared& shared);

    std::shared_ptr<Shared> m_shared;
    bool m_opened = false;
};
