#include "QtSoundPlayer.h"

#include "Logging.h"
#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

namespace {
constexpr int kPaddingMs = 120;

QAudioFormat FormatOf(const WaveFile& wave) {
    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    format.setSampleFormat(wave.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

QByteArray Silence(const WaveFile& wave, int ms) {
    const qsizetype bytes =
        qsizetype(wave.sampleRate) * ms / 1000 * wave.channels * wave.BytesPerSample();
    return QByteArray(bytes, wave.bitsPerSample == 8 ? char(128) : char(0));
}
} // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    Stop();
}

const QtSoundPlayer::Clip& QtSoundPlayer::Load(int id) {
    auto found = m_clips.find(id);
    if (found != m_clips.end())
        return found->second;
    Clip clip;
    QFile file(QStringLiteral(":/sound/%1.wav").arg(id));
    if (file.open(QIODevice::ReadOnly)) {
        if (auto wave = WaveFile::Parse(file.readAll())) {
            clip.format = FormatOf(*wave);
            clip.pcm = wave->data + Silence(*wave, kPaddingMs);
            clip.durationMs = wave->DurationMs();
            clip.valid = true;
        }
    }
    return m_clips.emplace(id, std::move(clip)).first->second;
}

void QtSoundPlayer::Stop() {
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_buffer.reset();
}

bool QtSoundPlayer::Start(const Clip& clip) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!clip.valid || device.isNull() || !device.isFormatSupported(clip.format))
        return false;
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(clip.pcm);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, clip.format);
    m_sink->start(m_buffer.get());
    return m_sink->error() == QAudio::NoError;
}

void QtSoundPlayer::PlaySoundAsync(int id) {
    qCDebug(lcSound) << "async" << id;
    Start(Load(id));
}

// Waits for the sound's own length rather than the sink's state, which
// without an audio server never leaves "active". Input stays queued and is
// handled afterwards, in order.
void QtSoundPlayer::PlaySoundWait(int id) {
    qCDebug(lcSound) << "wait" << id;
    const Clip& clip = Load(id);
    if (!Start(clip))
        return;
    QEventLoop loop;
    QTimer::singleShot(clip.durationMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
