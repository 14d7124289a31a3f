#include "SoundClip.h"

#include "Logging.h"
#include "WaveFile.h"

#include <QFile>
#include <QtEndian>

namespace {
// Unsigned 8-bit samples (silence 128) widened to signed 16-bit.
QByteArray Widen(const QByteArray& bytes) {
    QByteArray out(bytes.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto sample = qint16((int(uchar(bytes[i])) - 128) * 256);
        qToLittleEndian(sample, out.data() + 2 * i);
    }
    return out;
}
} // namespace

std::optional<SoundClip> SoundClip::FromWave(const WaveFile& wave) {
    if (wave.sampleRate != kSampleRate || wave.channels != 1)
        return std::nullopt;
    SoundClip clip;
    clip.pcm = wave.bitsPerSample == 8 ? Widen(wave.data) : wave.data;
    clip.pcm.truncate(clip.pcm.size() & ~qsizetype(1));
    clip.durationMs = wave.DurationMs();
    return clip;
}

std::optional<SoundClip> SoundClip::Load(int id) {
    QFile file(QStringLiteral(":/sound/%1.wav").arg(id));
    std::optional<SoundClip> clip;
    if (auto wave = WaveFile::Parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()))
        clip = FromWave(*wave);
    if (!clip)
        qCWarning(lcResources) << "sound" << id << "is missing or not 22050 Hz mono PCM";
    return clip;
}
