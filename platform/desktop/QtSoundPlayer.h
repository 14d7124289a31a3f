#pragma once

#include "ISoundPlayer.h"
#include "SoundClip.h"

#include <map>
#include <memory>
#include <optional>

class PulseOutput;

// Plays the embedded :/sound/<id>.wav files through one output stream (see
// PulseOutput for when it opens and closes), each new sound in place of the
// one playing. Each sound is decoded once.
class QtSoundPlayer : public ISoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void PlaySoundAsync(int id) override;
    void PlaySoundWait(int id) override;

private:
    const std::optional<SoundClip>& Load(int id);
    const char* WaitUntilEnded(quint64 ticket, int durationMs);

    std::map<int, std::optional<SoundClip>> m_clips;
    std::unique_ptr<PulseOutput> m_output;
};
