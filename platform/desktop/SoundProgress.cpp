#include "SoundProgress.h"

#include <utility>

void SoundProgress::SetEnd(quint64 through, Clock::time_point endsAt) {
    const std::lock_guard lock(m_mutex);
    m_through = through;
    m_endsAt = endsAt;
}

bool SoundProgress::HasEnded(quint64 ticket, Clock::time_point now) const {
    const std::lock_guard lock(m_mutex);
    return ticket <= m_through && now >= m_endsAt;
}

void SoundProgress::Calling(Clock::time_point now) {
    const std::lock_guard lock(m_mutex);
    m_callingSince = now;
}

void SoundProgress::Answered(Clock::time_point now) {
    const std::lock_guard lock(m_mutex);
    if (m_callingSince && now - *m_callingSince >= kStallLimit)
        m_stalled = true;
    m_callingSince.reset();
}

bool SoundProgress::TakeStall() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_stalled, false);
}

bool SoundProgress::IsStalled(Clock::time_point now) const {
    const std::lock_guard lock(m_mutex);
    return m_callingSince && now - *m_callingSince >= kStallLimit;
}
