#pragma once

#include <QByteArray>
#include <deque>
#include <mutex>

// The samples waiting for the one output stream, shared between the game's
// thread, which queues sounds, and the audio thread, which takes them out in
// small chunks. A sound that has begun always plays to its end; a new sound
// replaces any that have not begun yet, so a stalled output never piles up.
class SoundQueue {
public:
    void Play(const QByteArray& pcm);
    // Fills out with the next bytes, silence (zero) after the last sound;
    // returns how many of them were sound.
    qsizetype Take(char* out, qsizetype bytes);
    bool IsIdle() const;

private:
    mutable std::mutex m_mutex;
    std::deque<QByteArray> m_sounds; // the front one may have begun
    qsizetype m_taken = 0;           // bytes of the front sound already out
};
