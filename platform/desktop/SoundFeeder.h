#pragma once

#include "IAudioStream.h"
#include "SoundProgress.h"
#include "SoundSlot.h"

#include <vector>

// Writes the slot's sound into an open stream, a chunk at a time with
// silence between sounds, and works out from the stream's latency when each
// sound is heard to its end. A sound that begins drops what the stream
// still holds unheard, the rest of the sound before or silence, so that it
// is heard at once; only a new stream's lead-in silence stays.
class SoundFeeder {
public:
    static constexpr qint64 kBytesPerSecond = 22050 * 2;

    SoundFeeder(SoundSlot& slot, SoundProgress& progress, IAudioStream& stream);
    // Writes one chunk: the slot's next bytes, or lead-in silence. False
    // once the stream is lost.
    bool Step(qsizetype bytes, bool leadIn = false,
              SoundProgress::Clock::time_point now = SoundProgress::Clock::now());
    // Waits until the stream holds no more than aheadBytes unheard, or a
    // sound is asked for, which is then written at once. False once the
    // stream is lost.
    bool Pace(qint64 aheadBytes);
    bool LastHadSound() const { return m_lastHadSound; }

private:
    std::optional<qint64> HeardPosition();
    bool CutUnheard();
    bool Publish(SoundProgress::Clock::time_point now);

    SoundSlot& m_slot;
    SoundProgress& m_progress;
    IAudioStream& m_stream;
    std::vector<char> m_chunk;
    qint64 m_written = 0;    // bytes written since the stream opened
    qint64 m_leadInEnd = 0;  // where the lead-in silence ends
    quint64 m_through = 0;   // sounds up to this ticket have no more bytes
    qint64 m_throughEnd = 0; // ... and are heard once playing reaches here
    bool m_published = true;
    bool m_lastHadSound = false;
};
