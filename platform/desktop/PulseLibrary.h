#pragma once

#include <pulse/error.h>
#include <pulse/simple.h>

// The PulseAudio client library, loaded by the sound output's own thread
// when the output first opens rather than with the program: it and the
// libraries it brings along (sound file codecs among them) take longer to
// load than the first frame should wait. A machine without it plays
// silently.
struct PulseLibrary {
    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_write) simpleWrite = nullptr;
    decltype(&pa_simple_free) simpleFree = nullptr;
    decltype(&pa_simple_flush) simpleFlush = nullptr;
    decltype(&pa_simple_get_latency) simpleGetLatency = nullptr;
    decltype(&pa_strerror) strerror = nullptr;

    // Loaded on the first call; null when the library or one of these
    // functions is missing.
    static const PulseLibrary* Get();
};
