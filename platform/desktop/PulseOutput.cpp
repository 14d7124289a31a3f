#include "PulseOutput.h"

#include "LogLines.h"
#include "Logging.h"
#include "PulseLibrary.h"
#include "PulseStream.h"
#include "SoundClip.h"
#include "SoundFeeder.h"

#include <chrono>
#include <thread>

namespace {
using namespace std::chrono_literals;

constexpr int kBytesPerMs = SoundClip::kSampleRate * 2 / 1000;
constexpr int kChunkBytes = 10 * kBytesPerMs;
// Without a server, a sound asked for tries again, but not more often.
constexpr auto kRetryInterval = 1s;
// After this much silence the stream closes, so that the sound device can
// sleep and nothing is written while nothing plays; the next sound opens
// it again.
constexpr int kIdleChunks = 5000 / 10;
// A new stream may swallow its first moments: they are silence.
constexpr int kLeadInChunks = 50 / 10;
// How long the end of the run waits for the thread before leaving it.
constexpr auto kStopWait = 200ms;

// Says so when sound stops being available, not at every retry.
std::unique_ptr<PulseStream> Connect(const PulseLibrary& pulse, SoundProgress& progress,
                                     bool wasAvailable) {
    const auto started = std::chrono::steady_clock::now();
    QString error;
    auto stream = progress.Timed([&] { return PulseStream::Connect(pulse, error); });
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    if (stream)
        qCDebug(lcAudio) << LogLines::kOutputOpen.text << "after" << ms.count() << "ms";
    else if (wasAvailable)
        qCWarning(lcAudio) << "no sound output, the game plays silently:" << error;
    return stream;
}
} // namespace

PulseOutput::PulseOutput() : m_shared(std::make_shared<Shared>()) {}

void PulseOutput::Open() {
    if (m_opened)
        return;
    m_opened = true;
    std::thread(Run, m_shared).detach();
}

// The thread is told to stop and given a moment; a thread stuck in a
// stalled server is left behind rather than holding up the exit.
PulseOutput::~PulseOutput() {
    if (!m_opened)
        return;
    std::unique_lock lock(m_shared->mutex);
    m_shared->stop = true;
    m_shared->wake.notify_all();
    m_shared->wake.wait_for(lock, kStopWait, [this] { return m_shared->finished; });
}

quint64 PulseOutput::Play(const QByteArray& pcm) {
    Open();
    const quint64 ticket = m_shared->slot.Play(pcm);
    const std::lock_guard lock(m_shared->mutex);
    m_shared->wanted = true;
    m_shared->wake.notify_all();
    return ticket;
}

bool PulseOutput::HasEnded(quint64 ticket) const {
    return m_shared->progress.HasEnded(ticket);
}

bool PulseOutput::IsStalled() const {
    return m_shared->progress.IsStalled();
}

PulseOutput::State PulseOutput::CurrentState() const {
    return m_shared->state;
}

void PulseOutput::Run(std::shared_ptr<Shared> shared) {
    const PulseLibrary* pulse = PulseLibrary::Get();
    if (pulse == nullptr) {
        qCWarning(lcAudio) << "no sound output, the game plays silently: the PulseAudio client "
                              "library is missing";
        shared->state = State::Unavailable;
    }
    while (pulse != nullptr && !shared->stop) {
        // Nothing is logged once the run is ending: the log may be gone.
        auto stream =
            Connect(*pulse, shared->progress, shared->state != State::Unavailable && !shared->stop);
        if (!stream) {
            shared->state = State::Unavailable;
            WaitForRetry(*shared);
            continue;
        }
        shared->state = State::Open;
        SoundFeeder feeder(shared->slot, shared->progress, *stream);
        const FeedEnd end = Feed(*shared, feeder);
        if (end == FeedEnd::Lost) {
            if (!shared->stop)
                qCWarning(lcAudio) << "sound output lost:" << stream->Error();
            continue;
        }
        stream.reset();
        if (shared->stop)
            break;
        if (end == FeedEnd::Stalled) {
            qCDebug(lcAudio) << LogLines::kOutputReopened.text;
            continue;
        }
        qCDebug(lcAudio) << LogLines::kOutputIdle.text;
        shared->state = State::Idle;
        WaitForSound(*shared);
    }
    const std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->wake.notify_all();
}

// Writes silence first, then the sounds, until told to stop, the stream is
// lost, the server has stalled or nothing has played for a while. Between
// chunks it waits for the stream to play, not in a write, so that a sound
// asked for meanwhile goes out at once. A stream whose server stalled (a call
// took the stall limit) is given up once the server answers again: after a
// stop and a resume such a stream was seen to stay silent for good.
PulseOutput::FeedEnd PulseOutput::Feed(Shared& shared, SoundFeeder& feeder) {
    int silentChunks = 0;
    shared.progress.TakeStall(); // a stall while connecting counts for nothing here
    for (int written = 0; !shared.stop; ++written) {
        if (!feeder.Step(kChunkBytes, written < kLeadInChunks) ||
            !feeder.Pace(PulseStream::kTargetLatencyBytes - kChunkBytes)) {
            shared.state = State::Unavailable;
            return FeedEnd::Lost;
        }
        if (shared.progress.TakeStall())
            return FeedEnd::Stalled;
        silentChunks = feeder.LastHadSound() ? 0 : silentChunks + 1;
        if (silentChunks >= kIdleChunks && shared.slot.IsIdle())
            return FeedEnd::Idle;
    }
    return FeedEnd::Idle;
}

// Closed after a silence: open again when a sound comes (or the end).
void PulseOutput::WaitForSound(Shared& shared) {
    std::unique_lock lock(shared.mutex);
    shared.wanted = false;
    shared.wake.wait(lock,
                     [&shared] { return shared.stop || shared.wanted || !shared.slot.IsIdle(); });
}

// Without a server nothing is tried again until a sound is asked for, and
// then not more often than the retry interval.
void PulseOutput::WaitForRetry(Shared& shared) {
    std::unique_lock lock(shared.mutex);
    shared.wanted = false;
    shared.wake.wait_for(lock, kRetryInterval, [&shared] { return shared.stop.load(); });
    shared.wake.wait(lock, [&shared] { return shared.stop || shared.wanted; });
}
