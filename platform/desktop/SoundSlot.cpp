#include "SoundSlot.h"

#include <algorithm>
#include <cstring>

quint64 SoundSlot::Play(const QByteArray& pcm, Clock::time_point now) {
    const std::lock_guard lock(m_mutex);
    m_sound = pcm;
    m_taken = 0;
    m_asked = now;
    m_askedFor.notify_all();
    return ++m_ticket;
}

SoundSlot::Taken SoundSlot::Take(char* out, qsizetype bytes, Clock::time_point now) {
    const std::lock_guard lock(m_mutex);
    if (m_taken == 0 && now - m_asked > kStartLimit)
        m_sound.clear(); // too late to be the answer to anything
    Taken taken;
    taken.soundBytes = std::min(bytes, m_sound.size() - m_taken);
    taken.begins = m_taken == 0 && taken.soundBytes > 0;
    std::memcpy(out, m_sound.constData() + m_taken, size_t(taken.soundBytes));
    std::memset(out + taken.soundBytes, 0, size_t(bytes - taken.soundBytes));
    m_taken += taken.soundBytes;
    taken.through = m_ticket - 1;
    if (m_taken == m_sound.size()) {
        taken.through = m_ticket;
        taken.endAt = taken.soundBytes;
        m_sound.clear();
        m_taken = 0;
    }
    return taken;
}

bool SoundSlot::IsIdle() const {
    const std::lock_guard lock(m_mutex);
    return m_sound.isEmpty();
}

bool SoundSlot::WaitForNewSound(std::chrono::microseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_askedFor.wait_for(lock, timeout,
                               [this] { return m_taken == 0 && !m_sound.isEmpty(); });
}
