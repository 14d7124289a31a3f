#include "PulseSoundPlayer.h"

#include "InputHold.h"
#include "LogLines.h"
#include "Logging.h"
#include "PulseOutput.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
using Clock = PulseOutput::Clock;

// A slow sink is waited for: a null sink with no reader starts a new
// stream up to 2 s late, behind the silence it had rendered ahead. Only a
// sink that has stopped playing while its server still answers is given
// up, this long after the sound's own length.
constexpr std::chrono::milliseconds kSlowSinkLimit{2500};
} // namespace

PulseSoundPlayer::PulseSoundPlayer() : m_output(std::make_unique<PulseOutput>()) {}

PulseSoundPlayer::~PulseSoundPlayer() = default;

const std::optional<SoundClip>& PulseSoundPlayer::Load(int id) {
    auto found = m_clips.find(id);
    if (found == m_clips.end())
        found = m_clips.emplace(id, SoundClip::Load(id)).first;
    return found->second;
}

void PulseSoundPlayer::PlaySoundAsync(int id) {
    qCDebug(lcSound) << LogLines::kSoundAsync.text << id;
    if (const auto& clip = Load(id))
        m_output->Play(clip->pcm);
}

// Holds the input until the sound is heard to its end, as the server tells
// it; the keys that came meanwhile are then handled in order. Without a
// server there is nothing to wait for, and a server that stops answering
// is not waited for.
void PulseSoundPlayer::PlaySoundWait(int id) {
    qCDebug(lcSound) << LogLines::kSoundWait.text << id;
    const auto& clip = Load(id);
    if (!clip)
        return;
    QElapsedTimer held;
    held.start();
    const char* why = HoldUntilOver(m_output->Play(clip->pcm),
                                    std::chrono::milliseconds(clip->durationMs) + kSlowSinkLimit);
    qCDebug(lcSound) << LogLines::kSoundWaited.text << held.elapsed() << why;
}

// Woken by the output when it has news, and by a timer when it should have.
const char* PulseSoundPlayer::HoldUntilOver(quint64 ticket, std::chrono::milliseconds limit) {
    const auto giveUp = Clock::now() + limit;
    const char* why = nullptr;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const auto check = [&] {
        const PulseOutput::Progress progress = m_output->ProgressOf(ticket);
        why = progress.over != nullptr ? progress.over : Clock::now() >= giveUp ? "limit" : nullptr;
        if (why != nullptr)
            return loop.quit();
        const auto wait = std::min(progress.askAgain, giveUp) - Clock::now();
        timer.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, check);
    m_output->SetWaker(
        [&loop, check] { QMetaObject::invokeMethod(&loop, check, Qt::QueuedConnection); });
    check();
    if (why == nullptr)
        InputHold::Run(loop);
    m_output->SetWaker({});
    return why != nullptr ? why : "ended"; // the program is ending
}
