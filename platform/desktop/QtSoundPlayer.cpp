#include "QtSoundPlayer.h"

#include "LogLines.h"
#include "Logging.h"
#include "PulseOutput.h"
#include "WaveFile.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

QtSoundPlayer::QtSoundPlayer() : m_output(std::make_unique<PulseOutput>()) {}

QtSoundPlayer::~QtSoundPlayer() = default;

const std::optional<SoundClip>& QtSoundPlayer::Load(int id) {
    auto found = m_clips.find(id);
    if (found != m_clips.end())
        return found->second;
    std::optional<SoundClip> clip;
    QFile file(QStringLiteral(":/sound/%1.wav").arg(id));
    if (auto wave = WaveFile::Parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()))
        clip = SoundClip::FromWave(*wave);
    if (!clip)
        qCWarning(lcResources) << "sound" << id << "is missing or not 22050 Hz mono PCM";
    return m_clips.emplace(id, std::move(clip)).first->second;
}

void QtSoundPlayer::PlaySoundAsync(int id) {
    qCDebug(lcSound) << LogLines::kSoundAsync.text << id;
    if (const auto& clip = Load(id))
        m_output->Play(clip->pcm);
}

// Waits for the sound's own length, whatever the server does. Input stays
// queued meanwhile and is handled afterwards, in order. Without a server
// there is nothing to wait for.
void QtSoundPlayer::PlaySoundWait(int id) {
    qCDebug(lcSound) << LogLines::kSoundWait.text << id;
    const auto& clip = Load(id);
    if (!clip || m_output->CurrentState() == PulseOutput::State::Unavailable)
        return;
    m_output->Play(clip->pcm);
    QEventLoop loop;
    QTimer::singleShot(clip->durationMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
