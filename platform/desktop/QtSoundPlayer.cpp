#include "QtSoundPlayer.h"

#include "LogLines.h"
#include "Logging.h"
#include "PulseOutput.h"
#include "WaveFile.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <chrono>

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

// Holds the input until the sound is heard to its end, as the output
// reports it; the keys that came meanwhile are then handled in order.
// Without a server there is nothing to wait for, and a server that stops
// answering is not waited for.
void QtSoundPlayer::PlaySoundWait(int id) {
    qCDebug(lcSound) << LogLines::kSoundWait.text << id;
    const auto& clip = Load(id);
    if (!clip)
        return;
    QElapsedTimer held;
    held.start();
    const char* why = m_output->CurrentState() == PulseOutput::State::Unavailable
                          ? "no output"
                          : WaitUntilEnded(m_output->Play(clip->pcm), clip->durationMs);
    qCDebug(lcSound) << LogLines::kSoundWaited.text << held.elapsed() << why;
}

const char* QtSoundPlayer::WaitUntilEnded(quint64 ticket, int durationMs) {
    // Beyond the sound's length, room for a stream that opens again first.
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(durationMs) +
                       std::chrono::seconds(1);
    const char* why = nullptr;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (m_output->CurrentState() == PulseOutput::State::Unavailable)
            why = "no output";
        else if (m_output->HasEnded(ticket))
            why = "heard";
        else if (m_output->IsStalled())
            why = "stalled";
        else if (std::chrono::steady_clock::now() >= limit)
            why = "limit";
        if (why != nullptr)
            loop.quit();
    });
    poll.start(2);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return why != nullptr ? why : "ended"; // the program is ending
}
