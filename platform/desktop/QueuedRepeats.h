#pragma once

#include <QtGlobal>
#include <optional>

// Auto-repeats of a held key that queued up while the input was held (a
// brr playing) count as one key-down, the first of them, as on the desktop
// the game comes from: otherwise a key held for two seconds leaves seconds
// of brrs behind it. Keys of other codes, and repeats the game kept up
// with, are all handled.
class QueuedRepeats {
public:
    // Whether a key-down is an auto-repeat: the toolkit says so, or the key
    // never went up since it went down (the window system may send a
    // release and a press at the same time between repeats; the toolkit
    // misses those that queued while the input was held).
    bool IsRepeat(unsigned key, bool toolkitSays, quint64 stamp);
    void Released(unsigned key, quint64 stamp);
    // A key-down made at stamp (the window system's clock, in ms; 0 when
    // unknown) reaches the host at now; the input was last held until
    // heldUntil (the host's clock, in ms). True when it merges into the
    // key-down before it.
    bool Merges(unsigned key, bool repeat, quint64 stamp, qint64 now, qint64 heldUntil);

private:
    unsigned m_down = 0; // the last key down, while it is
    unsigned m_released = 0;
    quint64 m_releasedAt = 0;
    std::optional<qint64> m_lag; // the least delay seen between the two clocks
    unsigned m_key = 0;
    qint64 m_mergedUntil = 0; // repeats made until then are in hand
};
