#pragma once

#include <QByteArray>
#include <deque>
#include <mutex>

// The samples waiting for the one output stream, shared between the game's
// thread, which queues sounds, and the audio thread, which takes them out in
// small chunks. Sounds play one after another, each whole: quick moves make
// quick clicks, none cut. So that a stalled output does not pile up sounds
// to play late, the oldest of the sounds not yet begun are dropped once more
// than a limit of them waits.
class SoundQueue {
public:
    explicit SoundQueue(qsizetype waitingLimitBytes) : m_limit(waitingLimitBytes) {}
    void Play(const QByteArray& pcm);
    // Fills out with the next bytes, silence (zero) after the last sound;
    // returns how many of them were sound.
    qsizetype Take(char* out, qsizetype bytes);
    bool IsIdle() const;

private:
    qsizetype WaitingBytes() const;

    const qsizetype m_limit;
    mutable std::mutex m_mutex;
    std::deque<QByteArray> m_sounds; // the front one may have begun
    qsizetype m_taken = 0;           // bytes of the front sound already out
};
