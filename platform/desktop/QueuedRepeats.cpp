#include "QueuedRepeats.h"

namespace {
// A jump this large means the window system's clock wrapped or was reset.
constexpr qint64 kClockJump = 60000;
} // namespace

bool QueuedRepeats::IsRepeat(unsigned key, bool toolkitSays, quint64 stamp) {
    const bool repeat =
        toolkitSays || key == m_down || (key == m_released && stamp == m_releasedAt && stamp != 0);
    m_down = key;
    return repeat;
}

void QueuedRepeats::Released(unsigned key, quint64 stamp) {
    if (key == m_down)
        m_down = 0;
    m_released = key;
    m_releasedAt = stamp;
}

// The time a key was made is read on the host's clock through the least
// delay seen, which is the closest to the true offset between the clocks.
bool QueuedRepeats::Merges(unsigned key, bool repeat, quint64 stamp, qint64 now, qint64 heldUntil) {
    if (stamp == 0)
        return false;
    const qint64 delay = now - qint64(stamp);
    if (!m_lag || delay < *m_lag || delay > *m_lag + kClockJump)
        m_lag = delay;
    const qint64 made = qint64(stamp) + *m_lag;
    if (repeat && key == m_key && made <= m_mergedUntil)
        return true;
    m_key = key;
    if (made < heldUntil)
        m_mergedUntil = heldUntil; // stands for the repeats queued in that hold
    return false;
}
