#pragma once

#include "IAudioStream.h"
#include "SoundChannel.h"

#include <QByteArray>
#include <functional>
#include <optional>

struct PulseLibrary;
struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// One PulseAudio playback stream (PipeWire serves it too) for the sound
// channel, fed on the client library's own thread as the server asks. No
// call here waits for the server: the game's thread hands sounds over and
// asks how far they are under the library's lock, so a missing or stopped
// server cannot hold it. Nothing connects before the first sound. After
// seconds of silence the stream pauses, so the device and the thread can
// sleep; the next sound resumes it.
class PulseOutput : private IAudioStream {
public:
    using Clock = SoundChannel::Clock;
    // A call into the server unanswered for this long: it has stopped.
    static constexpr std::chrono::milliseconds kStallLimit{150};

    struct Progress {
        const char* over = nullptr; // "heard" (or cut), "no output", "stalled"
        Clock::time_point askAgain; // while not over: the latest time to ask
    };

    PulseOutput() = default;
    ~PulseOutput() override;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Plays pcm in place of any sound, opening the output if need be;
    // returns the sound's ticket.
    quint64 Play(const QByteArray& pcm);
    Progress ProgressOf(quint64 ticket);
    // Called on the library's thread when the progress may have changed.
    void SetWaker(std::function<void()> waker);

private:
    auto Locked();
    bool Start();
    void Connect(Clock::time_point now);
    void OpenStream(Clock::time_point now);
    void CloseStream();
    void Cork(bool corked);
    void Lost(const char* why);
    const char* Error() const;
    void AskWhere(Clock::time_point now);
    void Write(const char* data, qsizetype bytes) override;
    void Flush() override;
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnWrite(pa_stream* stream, size_t bytes, void* self);
    static void OnTiming(pa_stream* stream, int success, void* self);

    const PulseLibrary* m_pulse = nullptr;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    SoundChannel m_channel;
    std::function<void()> m_waker;
    std::optional<Clock::time_point> m_askedAt; // of the oldest call unanswered
    Clock::time_point m_retryAt;
    bool m_unavailable = false;
    bool m_timingAsked = false;
    bool m_corked = false;
    bool m_told = false; // that the output is missing or lost
};
