#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// A RIFF WAVE file holding uncompressed PCM, as far as playing it needs, plus
// the chunk layout so the built-in sounds can be checked.
struct WaveFile {
    struct Chunk {
        QByteArray id;
        quint32 size = 0;
    };

    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::optional<quint32> factSamples;
    QByteArray data;
    QList<Chunk> chunks;

    int BytesPerSample() const { return bitsPerSample / 8; }
    int SampleCount() const;
    int DurationMs() const;

    // nullopt for anything that is not little-endian RIFF WAVE PCM with a
    // "fmt " and a "data" chunk; sizes running past the end are refused.
    static std::optional<WaveFile> Parse(const QByteArray& bytes);
};
