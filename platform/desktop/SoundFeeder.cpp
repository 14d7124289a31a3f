#include "SoundFeeder.h"

#include <algorithm>
#include <cstring>

SoundFeeder::SoundFeeder(SoundSlot& slot, SoundProgress& progress, IAudioStream& stream)
    : m_slot(slot), m_progress(progress), m_stream(stream) {}

bool SoundFeeder::Step(qsizetype bytes, bool leadIn, SoundProgress::Clock::time_point now) {
    m_chunk.resize(size_t(bytes));
    SoundSlot::Taken taken;
    if (leadIn)
        std::memset(m_chunk.data(), 0, m_chunk.size());
    else
        taken = m_slot.Take(m_chunk.data(), bytes, now);
    if (taken.begins && !CutUnheard())
        return false;
    const qint64 at = m_written;
    if (!m_progress.Timed([&] { return m_stream.Write(m_chunk.data(), bytes); }))
        return false;
    m_written += bytes;
    m_lastHadSound = taken.soundBytes > 0;
    if (leadIn)
        m_leadInEnd = m_written;
    if (taken.through > m_through) {
        m_through = taken.through;
        m_throughEnd = taken.endAt > 0 ? at + taken.endAt : 0; // else cut or dropped
        m_published = false;
    }
    return m_published || Publish(now);
}

std::optional<qint64> SoundFeeder::HeardPosition() {
    const auto latency = m_progress.Timed([this] { return m_stream.LatencyUs(); });
    if (!latency)
        return std::nullopt;
    return m_written - *latency * kBytesPerSecond / 1000000;
}

bool SoundFeeder::Pace(qint64 aheadBytes) {
    for (;;) {
        const auto heard = HeardPosition();
        if (!heard)
            return false;
        const qint64 over = m_written - *heard - aheadBytes;
        if (over <= 0 ||
            m_slot.WaitForNewSound(std::chrono::microseconds(over * 1000000 / kBytesPerSecond)))
            return true;
    }
}

// Without this a sound would wait behind all the stream holds ahead.
bool SoundFeeder::CutUnheard() {
    const auto heard = HeardPosition();
    if (!heard)
        return false;
    if (*heard >= m_written || *heard < m_leadInEnd)
        return true;
    return m_progress.Timed([this] { return m_stream.Flush(); });
}

// Tells, until it is past, when the latest finished sound will be heard to
// its end; the estimate follows the stream's latency as it changes.
bool SoundFeeder::Publish(SoundProgress::Clock::time_point now) {
    const auto heard = HeardPosition();
    if (!heard)
        return false;
    const qint64 ahead = std::max<qint64>(m_throughEnd - *heard, 0);
    m_progress.SetEnd(m_through,
                      now + std::chrono::microseconds(ahead * 1000000 / kBytesPerSecond));
    m_published = ahead == 0;
    return true;
}
