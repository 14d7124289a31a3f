#pragma once

#include <QByteArray>
#include <optional>

struct WaveFile;

// A sound in the one format the output stream plays: signed 16-bit mono
// samples at 22050 per second, the rate of the built-in sounds.
struct SoundClip {
    static constexpr int kSampleRate = 22050;

    QByteArray pcm;
    int durationMs = 0;

    // nullopt for a wave of another rate or channel count.
    static std::optional<SoundClip> FromWave(const WaveFile& wave);
    // The built-in :/sound/<id>.wav; nullopt (and a warning) when it is
    // missing or cannot be played.
    static std::optional<SoundClip> Load(int id);
};
