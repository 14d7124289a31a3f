#include "PulseOutput.h"

#include "LogLines.h"
#include "Logging.h"
#include "PulseLibrary.h"
#include "SoundClip.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {
using namespace std::chrono_literals;

constexpr int kBytesPerMs = SoundClip::kSampleRate * 2 / 1000;
// Small chunks keep the delay from a key to its sound short.
constexpr int kChunkBytes = 10 * kBytesPerMs;
// What the server holds ahead: room for this thread to be late on a busy
// machine without the stream running dry, which loses the sound after it.
constexpr uint32_t kTargetLatencyBytes = 100 * kBytesPerMs;
constexpr auto kRetryInterval = 3s;
// After this much silence the stream closes, so that the sound device can
// sleep and nothing is written while nothing plays; the next sound opens
// it again.
constexpr int kIdleChunks = 5000 / 10;
// A new stream may swallow its first moments: they are silence.
constexpr int kLeadInChunks = 50 / 10;
// How long the end of the run waits for the thread before leaving it.
constexpr auto kStopWait = 200ms;

// Says so when sound stops being available, not at every retry.
pa_simple* Connect(const PulseLibrary& pulse, bool wasAvailable) {
    const auto started = std::chrono::steady_clock::now();
    const pa_sample_spec format{PA_SAMPLE_S16LE, SoundClip::kSampleRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = kTargetLatencyBytes;
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(kChunkBytes);
    attr.fragsize = uint32_t(-1);
    int error = 0;
    pa_simple* stream = pulse.simpleNew(nullptr, "O.R.L.I.X.", PA_STREAM_PLAYBACK, nullptr,
                                        "Game sounds", &format, nullptr, &attr, &error);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    if (stream != nullptr)
        qCDebug(lcAudio) << LogLines::kOutputOpen.text << "after" << ms.count() << "ms";
    else if (wasAvailable)
        qCWarning(lcAudio) << "no sound output, the game plays silently:" << pulse.strerror(error);
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

void PulseOutput::Play(const QByteArray& pcm) {
    Open();
    if (CurrentState() != State::Unavailable)
        m_shared->queue.Play(pcm);
    const std::lock_guard lock(m_shared->mutex);
    m_shared->wanted = true;
    m_shared->wake.notify_all();
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
        pa_simple* stream = Connect(*pulse, shared->state != State::Unavailable && !shared->stop);
        if (stream == nullptr) {
            shared->state = State::Unavailable;
            WaitForRetry(*shared);
            continue;
        }
        shared->state = State::Open;
        const bool idle = Feed(*shared, *pulse, stream);
        pulse->simpleFree(stream);
        if (idle) {
            qCDebug(lcAudio) << LogLines::kOutputIdle.text;
            shared->state = State::Idle;
            WaitForSound(*shared);
        }
    }
    const std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->wake.notify_all();
}

// Writes silence first, then the sounds, until told to stop, the server
// goes away (false) or nothing has played for a while (true); each write
// waits until the server has room, which paces the loop at the playing
// speed.
bool PulseOutput::Feed(Shared& shared, const PulseLibrary& pulse, pa_simple* stream) {
    char chunk[kChunkBytes];
    int silentChunks = 0;
    for (int written = 0; !shared.stop; ++written) {
        const bool leadIn = written < kLeadInChunks;
        const qsizetype sound = leadIn ? 0 : shared.queue.Take(chunk, kChunkBytes);
        if (leadIn)
            std::memset(chunk, 0, sizeof chunk);
        silentChunks = sound > 0 ? 0 : silentChunks + 1;
        int error = 0;
        if (pulse.simpleWrite(stream, chunk, kChunkBytes, &error) < 0) {
            if (!shared.stop)
                qCWarning(lcAudio) << "sound output lost:" << pulse.strerror(error);
            shared.state = State::Unavailable;
            return false;
        }
        if (silentChunks >= kIdleChunks && shared.queue.IsIdle())
            return true;
    }
    return false;
}

// Closed after a silence: open again when a sound comes (or the end).
void PulseOutput::WaitForSound(Shared& shared) {
    std::unique_lock lock(shared.mutex);
    shared.wanted = false;
    shared.wake.wait(lock,
                     [&shared] { return shared.stop || shared.wanted || !shared.queue.IsIdle(); });
}

// Without a server nothing is tried again until a sound is asked for, and
// then not more often than the retry interval.
void PulseOutput::WaitForRetry(Shared& shared) {
    std::unique_lock lock(shared.mutex);
    shared.wanted = false;
    shared.wake.wait_for(lock, kRetryInterval, [&shared] { return shared.stop.load(); });
    shared.wake.wait(lock, [&shared] { return shared.stop || shared.wanted; });
}
