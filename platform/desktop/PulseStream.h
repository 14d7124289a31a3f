#pragma once

#include "IAudioStream.h"

#include <QString>
#include <memory>

struct PulseLibrary;
struct pa_simple;

// A PulseAudio playback stream (PipeWire serves it too) through the simple
// API, which blocks in each call.
class PulseStream : public IAudioStream {
public:
    // What the server holds ahead: room for the writer to be late on a busy
    // machine without the stream running dry, which loses the sound after it.
    static constexpr qsizetype kTargetLatencyBytes = 100 * 22050 * 2 / 1000;

    // Null, with why in error, when no server takes the stream.
    static std::unique_ptr<PulseStream> Connect(const PulseLibrary& pulse, QString& error);
    ~PulseStream() override;
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    bool Write(const char* data, qsizetype bytes) override;
    bool Flush() override;
    std::optional<qint64> LatencyUs() override;
    // Why the last call failed.
    QString Error() const;

private:
    PulseStream(const PulseLibrary& pulse, pa_simple* stream);

    const PulseLibrary& m_pulse;
    pa_simple* m_stream;
    int m_error = 0;
};
