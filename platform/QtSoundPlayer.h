#pragma once

#include "ISoundPlayer.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <map>
#include <memory>

class QAudioSink;

// Plays the embedded :/sound/<id>.wav files through the default audio
// output. Each sound is decoded once; silence is padded after it in memory
// because the sink would otherwise cut its last ~100 ms off.
class QtSoundPlayer : public ISoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void PlaySoundAsync(int id) override;
    void PlaySoundWait(int id) override;

private:
    struct Clip {
        QAudioFormat format;
        QByteArray pcm;
        int durationMs = 0;
        bool valid = false;
    };

    const Clip& Load(int id);
    bool Start(const Clip& clip);
    void Stop();

    std::map<int, Clip> m_clips;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QBuffer> m_buffer;
};
