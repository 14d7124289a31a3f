#include "PulseStream.h"

#include "PulseLibrary.h"
#include "SoundClip.h"

namespace {
constexpr uint32_t kBytesPerMs = SoundClip::kSampleRate * 2 / 1000;
// Small requests keep the writer's chunks, and so the delay from a key to
// its sound, short.
constexpr uint32_t kRequestBytes = 10 * kBytesPerMs;
} // namespace

std::unique_ptr<PulseStream> PulseStream::Connect(const PulseLibrary& pulse, QString& error) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, SoundClip::kSampleRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(kTargetLatencyBytes);
    // Playing starts again as soon as a chunk is there after a flush.
    attr.prebuf = kRequestBytes;
    attr.minreq = kRequestBytes;
    attr.fragsize = uint32_t(-1);
    int code = 0;
    pa_simple* stream = pulse.simpleNew(nullptr, "O.R.L.I.X.", PA_STREAM_PLAYBACK, nullptr,
                                        "Game sounds", &format, nullptr, &attr, &code);
    if (stream == nullptr) {
        error = QString::fromUtf8(pulse.strerror(code));
        return nullptr;
    }
    return std::unique_ptr<PulseStream>(new PulseStream(pulse, stream));
}

PulseStream::PulseStream(const PulseLibrary& pulse, pa_simple* stream)
    : m_pulse(pulse), m_stream(stream) {}

PulseStream::~PulseStream() {
    m_pulse.simpleFree(m_stream);
}

bool PulseStream::Write(const char* data, qsizetype bytes) {
    return m_pulse.simpleWrite(m_stream, data, size_t(bytes), &m_error) == 0;
}

bool PulseStream::Flush() {
    return m_pulse.simpleFlush(m_stream, &m_error) == 0;
}

std::optional<qint64> PulseStream::LatencyUs() {
    const pa_usec_t latency = m_pulse.simpleGetLatency(m_stream, &m_error);
    if (latency == pa_usec_t(-1))
        return std::nullopt;
    return qint64(latency);
}

QString PulseStream::Error() const {
    return QString::fromUtf8(m_pulse.strerror(m_error));
}
