#include "SoundQueue.h"

#include <algorithm>
#include <cstring>

void SoundQueue::Play(const QByteArray& pcm) {
    const std::lock_guard lock(m_mutex);
    if (!pcm.isEmpty())
        m_sounds.push_back(pcm);
    const size_t begun = m_taken > 0 ? 1 : 0;
    while (m_sounds.size() > begun + 1 && WaitingBytes() > m_limit)
        m_sounds.erase(m_sounds.begin() + qsizetype(begun));
}

// Bytes of the sounds not begun yet.
qsizetype SoundQueue::WaitingBytes() const {
    qsizetype bytes = 0;
    for (const QByteArray& sound : m_sounds)
        bytes += sound.size();
    return bytes - (m_taken > 0 ? m_sounds.front().size() : 0);
}

qsizetype SoundQueue::Take(char* out, qsizetype bytes) {
    const std::lock_guard lock(m_mutex);
    qsizetype filled = 0;
    while (filled < bytes && !m_sounds.empty()) {
        const QByteArray& front = m_sounds.front();
        const qsizetype n = std::min(bytes - filled, front.size() - m_taken);
        std::memcpy(out + filled, front.constData() + m_taken, size_t(n));
        filled += n;
        m_taken += n;
        if (m_taken == front.size()) {
            m_sounds.pop_front();
            m_taken = 0;
        }
    }
    std::memset(out + filled, 0, size_t(bytes - filled));
    return filled;
}

bool SoundQueue::IsIdle() const {
    const std::lock_guard lock(m_mutex);
    return m_sounds.empty();
}
