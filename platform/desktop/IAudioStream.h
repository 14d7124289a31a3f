#pragma once

#include <QtGlobal>
#include <optional>

// An open output stream of signed 16-bit mono samples at 22050 per second.
// Each call may block while the server is busy; false or no value means the
// stream is lost.
class IAudioStream {
public:
    virtual ~IAudioStream() = default;
    // Returns once the server has room for the bytes, which paces the
    // writer at the playing speed.
    virtual bool Write(const char* data, qsizetype bytes) = 0;
    // Drops what was written and has not played yet.
    virtual bool Flush() = 0;
    // How long until the last byte written is heard, in microseconds.
    virtual std::optional<qint64> LatencyUs() = 0;
};
