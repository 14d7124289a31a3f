#pragma once

#include <QtGlobal>

// The server end of the sound channel: an open output stream of signed
// 16-bit mono samples at 22050 per second. Neither call waits for the
// server.
class IAudioStream {
public:
    virtual ~IAudioStream() = default;
    // Appends bytes to what the server plays.
    virtual void Write(const char* data, qsizetype bytes) = 0;
    // Drops what was written and has not been heard yet.
    virtual void Flush() = 0;
};
