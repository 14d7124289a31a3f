#include "PulseOutput.h"

#include "LogLines.h"
#include "Logging.h"
#include "PulseLibrary.h"

#include <QScopeGuard>

namespace {
using namespace std::chrono_literals;

// Without a server, a sound asked for tries again, but not more often.
constexpr auto kRetryInterval = 1s;
constexpr auto kIdleAfter = 5s;

constexpr uint32_t Bytes(std::chrono::milliseconds time) {
    return uint32_t(time.count() * SoundChannel::kBytesPerSecond / 1000);
}

PulseOutput& Self(void* self) {
    return *static_cast<PulseOutput*>(self);
}
} // namespace

// The library's lock, once its thread runs.
auto PulseOutput::Locked() {
    if (m_loop != nullptr)
        m_pulse->pa_threaded_mainloop_lock(m_loop);
    return qScopeGuard([this] {
        if (m_loop != nullptr)
            m_pulse->pa_threaded_mainloop_unlock(m_loop);
    });
}

// The thread is stopped first, so that no call comes in meanwhile.
PulseOutput::~PulseOutput() {
    if (m_loop == nullptr)
        return;
    m_pulse->pa_threaded_mainloop_stop(m_loop);
    Lost(nullptr);
    m_pulse->pa_threaded_mainloop_free(m_loop);
}

quint64 PulseOutput::Play(const QByteArray& pcm) {
    const auto now = Clock::now();
    const bool started = Start();
    const auto locked = Locked();
    if (started)
        Connect(now);
    if (m_corked)
        Cork(false);
    const quint64 ticket = m_channel.Play(pcm, now);
    AskWhere(now);
    return ticket;
}

PulseOutput::Progress PulseOutput::ProgressOf(quint64 ticket) {
    const auto locked = Locked();
    const auto now = Clock::now();
    if (m_channel.HasEnded(ticket))
        return {"heard", now};
    if (m_unavailable)
        return {"no output", now};
    if (m_askedAt && now - *m_askedAt >= kStallLimit)
        return {"stalled", now};
    if (const auto end = m_channel.ExpectedEnd(); end && now < *end)
        return {nullptr, *end};
    AskWhere(now); // whether it has ended is the server's word
    return {nullptr, m_askedAt.value_or(now) + kStallLimit};
}

void PulseOutput::SetWaker(std::function<void()> waker) {
    const auto locked = Locked();
    m_waker = std::move(waker);
}

bool PulseOutput::Start() {
    if (m_loop == nullptr && !m_unavailable && (m_pulse = PulseLibrary::Get()) != nullptr) {
        m_loop = m_pulse->pa_threaded_mainloop_new();
        if (m_pulse->pa_threaded_mainloop_start(m_loop) < 0)
            m_pulse->pa_threaded_mainloop_free(std::exchange(m_loop, nullptr));
    }
    if (m_loop == nullptr && !m_unavailable)
        qCWarning(lcAudio) << "no sound output, the game plays silently: the PulseAudio client "
                              "library is missing";
    m_unavailable = m_unavailable || m_loop == nullptr;
    return m_loop != nullptr;
}

void PulseOutput::Connect(Clock::time_point now) {
    if (m_context != nullptr) {
        if (m_stream == nullptr && m_pulse->pa_context_get_state(m_context) == PA_CONTEXT_READY)
            OpenStream(now);
        return;
    }
    if (now < m_retryAt)
        return;
    m_unavailable = false;
    m_retryAt = now + kRetryInterval;
    m_context =
        m_pulse->pa_context_new(m_pulse->pa_threaded_mainloop_get_api(m_loop), "O.R.L.I.X.");
    m_pulse->pa_context_set_state_callback(m_context, OnContextState, this);
    // A sound server is the desktop's to start, not the game's.
    if (m_pulse->pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return Lost(Error());
    m_askedAt = m_askedAt.value_or(now);
}

void PulseOutput::OpenStream(Clock::time_point now) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, SoundClip::kSampleRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = attr.fragsize = uint32_t(-1);
    attr.tlength = Bytes(SoundChannel::kAhead);
    attr.prebuf = attr.minreq = Bytes(10ms);
    m_stream = m_pulse->pa_stream_new(m_context, "Game sounds", &format, nullptr);
    if (m_stream == nullptr)
        return Lost(Error());
    m_pulse->pa_stream_set_state_callback(m_stream, OnStreamState, this);
    m_pulse->pa_stream_set_write_callback(m_stream, OnWrite, this);
    if (m_pulse->pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY,
                                            nullptr, nullptr) < 0)
        return Lost(Error());
    m_askedAt = m_askedAt.value_or(now);
}

// Calls still unanswered on the stream are cancelled with it.
void PulseOutput::CloseStream() {
    if (m_stream != nullptr) {
        m_pulse->pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        m_pulse->pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        m_pulse->pa_stream_disconnect(m_stream);
        m_pulse->pa_stream_unref(std::exchange(m_stream, nullptr));
    }
    m_channel.Open(nullptr);
    m_askedAt.reset();
    m_timingAsked = false;
    m_corked = false;
}

// A paused stream keeps its place, so the next sound is heard at once.
void PulseOutput::Cork(bool corked) {
    if (pa_operation* done = m_pulse->pa_stream_cork(m_stream, corked, nullptr, nullptr))
        m_pulse->pa_operation_unref(done);
    m_corked = corked;
}

// The server is gone or refused us: silent until a sound tries again. Says
// so once, not at every try, and not at the end of the run (why is null).
void PulseOutput::Lost(const char* why) {
    if (why != nullptr && (m_stream != nullptr || !m_told))
        qCWarning(lcAudio) << (m_stream != nullptr ? "sound output lost:"
                                                   : "no sound output, the game plays silently:")
                           << why;
    m_told = true;
    CloseStream();
    if (m_context != nullptr) {
        m_pulse->pa_context_set_state_callback(m_context, nullptr, nullptr);
        m_pulse->pa_context_disconnect(m_context);
        m_pulse->pa_context_unref(std::exchange(m_context, nullptr));
    }
    m_unavailable = true;
    if (m_waker)
        m_waker();
}

const char* PulseOutput::Error() const {
    return m_pulse->pa_strerror(m_pulse->pa_context_errno(m_context));
}

void PulseOutput::AskWhere(Clock::time_point now) {
    if (m_stream == nullptr || m_timingAsked ||
        m_pulse->pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    if (pa_operation* asked = m_pulse->pa_stream_update_timing_info(m_stream, OnTiming, this)) {
        m_pulse->pa_operation_unref(asked);
        m_timingAsked = true;
        m_askedAt = m_askedAt.value_or(now);
    }
}

void PulseOutput::Write(const char* data, qsizetype bytes) {
    m_pulse->pa_stream_write(m_stream, data, size_t(bytes), nullptr, 0, PA_SEEK_RELATIVE);
}

void PulseOutput::Flush() {
    if (pa_operation* flushed = m_pulse->pa_stream_flush(m_stream, nullptr, nullptr))
        m_pulse->pa_operation_unref(flushed);
}

void PulseOutput::OnContextState(pa_context* context, void* self) {
    PulseOutput& output = Self(self);
    const pa_context_state_t state = output.m_pulse->pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        output.m_askedAt.reset();
        output.OpenStream(Clock::now());
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        output.Lost(output.Error());
    }
}

void PulseOutput::OnStreamState(pa_stream* stream, void* self) {
    PulseOutput& output = Self(self);
    const pa_stream_state_t state = output.m_pulse->pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        output.m_askedAt.reset();
        output.m_told = false;
        output.m_channel.Open(&output);
        qCDebug(lcAudio) << LogLines::kOutputOpen.text;
    } else if (!PA_STREAM_IS_GOOD(state)) {
        output.Lost(output.Error());
    }
}

void PulseOutput::OnWrite(pa_stream*, size_t bytes, void* self) {
    PulseOutput& output = Self(self);
    const auto now = Clock::now();
    output.m_channel.Fill(qsizetype(bytes), now);
    if (output.m_channel.WantsWord())
        output.AskWhere(now);
    if (!output.m_corked && output.m_channel.Silence() >= kIdleAfter) {
        qCDebug(lcAudio) << LogLines::kOutputIdle.text;
        output.Cork(true);
    }
}

void PulseOutput::OnTiming(pa_stream* stream, int success, void* self) {
    PulseOutput& output = Self(self);
    output.m_timingAsked = false;
    output.m_askedAt.reset();
    pa_usec_t latency = 0;
    int negative = 0;
    if (success && output.m_pulse->pa_stream_get_latency(stream, &latency, &negative) == 0)
        output.m_channel.Heard(negative ? 0 : qint64(latency), Clock::now());
    if (output.m_waker)
        output.m_waker();
}
