#pragma once

#include "IAudioStream.h"
#include "SoundClip.h"

#include <QByteArray>
#include <chrono>
#include <optional>

// The one sound the output plays, written into the stream in place of the
// one before, with silence between sounds so that a sound starts at once;
// and, from the stream's latency, when it has been heard to its end.
// Positions count the bytes written since the stream opened. Not thread
// safe: the output calls it under its lock.
class SoundChannel {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr qint64 kBytesPerSecond = SoundClip::kSampleRate * 2;
    // A sound that cannot begin within this of being asked for (the stream
    // was opening) is dropped rather than played late.
    static constexpr std::chrono::milliseconds kStartLimit{300};
    // A new stream may swallow its first moments: they are silence.
    static constexpr std::chrono::milliseconds kLeadIn{50};
    // What the stream holds ahead of what is heard. A sound is followed by
    // this much silence at once: a stream that ran dry behind it would have
    // the server take back and play again what it had mixed of it.
    static constexpr std::chrono::milliseconds kAhead{100};

    // A new stream to write into, or none once it is closed or lost; a
    // sound begun on the old one is over.
    void Open(IAudioStream* stream);
    // Starts pcm in place of whatever plays, now if a stream is open;
    // returns the sound's ticket (1, 2, ...).
    quint64 Play(const QByteArray& pcm, Clock::time_point now);
    // The server wants bytes: a new stream's lead-in, the sound waiting to
    // begin, then silence.
    void Fill(qsizetype bytes, Clock::time_point now);
    // The server's word on the stream: the last byte written is heard in
    // latencyUs.
    void Heard(qint64 latencyUs, Clock::time_point now);
    // The sound has been heard to its end, was cut by a later one, or was
    // dropped.
    bool HasEnded(quint64 ticket) const { return ticket <= m_endedThrough; }
    // When the latest sound should end, while it has not been heard to its
    // end: the server's next word tells whether it did.
    std::optional<Clock::time_point> ExpectedEnd() const { return m_expectedEnd; }
    // Whether the server's word is needed: to tell when a sound ends, or
    // whether a new stream's lead-in has been heard.
    bool WantsWord() const { return m_end >= 0 || m_heard < m_leadInEnd; }
    // Only silence has been written for this long (nothing while a sound
    // waits or plays).
    Clock::duration Silence() const;

private:
    void Begin(Clock::time_point now);
    void Write(const char* data, qsizetype bytes);
    void WriteSilence(qsizetype bytes);
    static qint64 Bytes(std::chrono::microseconds time);

    IAudioStream* m_stream = nullptr;
    QByteArray m_waiting; // asked for, not begun
    Clock::time_point m_asked;
    quint64 m_ticket = 0;
    quint64 m_endedThrough = 0;
    qint64 m_written = 0;
    qint64 m_leadInEnd = 0;
    qint64 m_heard = 0;    // as the server last told
    qint64 m_end = -1;     // where the latest sound ends, until heard there
    qint64 m_soundEnd = 0; // where the last sound written ends
    std::optional<Clock::time_point> m_expectedEnd;
};
