#include "SoundProgress.h"

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

void SoundProgress::Answered() {
    const std::lock_guard lock(m_mutex);
    m_callingSince.reset();
}

bool SoundProgress::IsStalled(Clock::time_point now) const {
    const std::lock_guard lock(m_mutex);
    return m_callingSince && now - *m_callingSince >= kStallLimit;
}
