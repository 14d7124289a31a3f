#include "WaveFile.h"

#include <QtEndian>

namespace {
quint32 U32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + at);
}
quint16 U16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData()) + at);
}

bool ReadFormat(const QByteArray& b, qsizetype at, quint32 size, WaveFile& wave) {
    if (size < 16)
        return false;
    wave.formatTag = U16(b, at);
    wave.channels = U16(b, at + 2);
    wave.sampleRate = int(U32(b, at + 4));
    wave.bitsPerSample = U16(b, at + 14);
    return true;
}
} // namespace

int WaveFile::SampleCount() const {
    const int frame = channels * BytesPerSample();
    return frame > 0 ? int(data.size() / frame) : 0;
}

int WaveFile::DurationMs() const {
    return sampleRate > 0 ? int(qint64(SampleCount()) * 1000 / sampleRate) : 0;
}

std::optional<WaveFile> WaveFile::Parse(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveFile wave;
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = U32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (qint64(size) > bytes.size() - body)
            return std::nullopt;
        wave.chunks.append({id, size});
        if (id == "fmt ")
            haveFormat = ReadFormat(bytes, body, size, wave);
        else if (id == "fact" && size >= 4)
            wave.factSamples = U32(bytes, body);
        else if (id == "data" && !haveData) {
            wave.data = bytes.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are padded to an even size
    }
    const bool pcm = wave.formatTag == 1 && wave.channels > 0 &&
                     (wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
    if (!haveFormat || !haveData || !pcm)
        return std::nullopt;
    return wave;
}
