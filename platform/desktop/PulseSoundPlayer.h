#pragma once

#include "ISoundPlayer.h"
#include "SoundClip.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>

class PulseOutput;

// Plays the embedded :/sound/<id>.wav files through one PulseAudio output
// (see PulseOutput for when it opens and closes), each new sound in place
// of the one playing. Each sound is decoded once.
class PulseSoundPlayer : public ISoundPlayer {
public:
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;

    void PlaySoundAsync(int id) override;
    void PlaySoundWait(int id) override;

private:
    const std::optional<SoundClip>& Load(int id);
    const char* HoldUntilOver(quint64 ticket, std::chrono::milliseconds limit);

    std::map<int, std::optional<SoundClip>> m_clips;
    std::unique_ptr<PulseOutput> m_output;
};
