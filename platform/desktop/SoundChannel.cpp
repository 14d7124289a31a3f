#include "SoundChannel.h"

void SoundChannel::Open(IAudioStream* stream) {
    m_stream = stream;
    m_written = m_leadInEnd = m_heard = m_soundEnd = 0;
    if (m_end >= 0)
        m_endedThrough = m_ticket;
    m_end = -1;
    m_expectedEnd.reset();
}

quint64 SoundChannel::Play(const QByteArray& pcm, Clock::time_point now) {
    m_endedThrough = m_ticket; // the one before is cut or dropped
    m_waiting = pcm;
    m_asked = now;
    if (m_stream != nullptr && m_written > 0)
        Begin(now);
    return ++m_ticket;
}

void SoundChannel::Fill(qsizetype bytes, Clock::time_point now) {
    if (m_stream == nullptr)
        return;
    if (m_written == 0) {
        WriteSilence(Bytes(kLeadIn));
        m_leadInEnd = m_written;
    }
    if (!m_waiting.isEmpty())
        Begin(now);
    WriteSilence(bytes);
}

// What the stream holds unheard is dropped, so the sound is heard at once;
// a new stream's lead-in silence stays.
void SoundChannel::Begin(Clock::time_point now) {
    const QByteArray pcm = std::exchange(m_waiting, QByteArray());
    if (now - m_asked > kStartLimit) {
        m_endedThrough = m_ticket;
        return;
    }
    if (m_heard < m_written && m_heard >= m_leadInEnd)
        m_stream->Flush();
    Write(pcm.constData(), pcm.size());
    m_end = m_soundEnd = m_written;
    m_expectedEnd.reset();
    WriteSilence(Bytes(kAhead));
}

void SoundChannel::Heard(qint64 latencyUs, Clock::time_point now) {
    m_heard = m_written - Bytes(std::chrono::microseconds(latencyUs));
    if (m_end < 0)
        return;
    if (m_heard >= m_end) {
        m_endedThrough = m_ticket;
        m_end = -1;
        m_expectedEnd.reset();
        return;
    }
    m_expectedEnd = now + std::chrono::microseconds((m_end - m_heard) * 1000000 / kBytesPerSecond);
}

SoundChannel::Clock::duration SoundChannel::Silence() const {
    if (!m_waiting.isEmpty() || m_end >= 0)
        return {};
    return std::chrono::microseconds((m_written - m_soundEnd) * 1000000 / kBytesPerSecond);
}

void SoundChannel::Write(const char* data, qsizetype bytes) {
    m_stream->Write(data, bytes);
    m_written += bytes;
}

void SoundChannel::WriteSilence(qsizetype bytes) {
    static const QByteArray silence(Bytes(std::chrono::seconds(1)), '\0');
    for (qsizetype left = bytes; left > 0; left -= silence.size())
        Write(silence.constData(), std::min(left, silence.size()));
}

// Whole samples only.
qint64 SoundChannel::Bytes(std::chrono::microseconds time) {
    return time.count() * kBytesPerSecond / 1000000 & ~qint64(1);
}
