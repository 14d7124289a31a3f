#pragma once

#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

// The calls the sound output makes into the PulseAudio client library.
// clang-format off
#define ORLIX_PULSE_CALLS(CALL)                                                                    \
    CALL(pa_threaded_mainloop_new) CALL(pa_threaded_mainloop_free)                                 \
    CALL(pa_threaded_mainloop_start) CALL(pa_threaded_mainloop_stop)                               \
    CALL(pa_threaded_mainloop_lock) CALL(pa_threaded_mainloop_unlock)                              \
    CALL(pa_threaded_mainloop_get_api) CALL(pa_context_new) CALL(pa_context_connect)               \
    CALL(pa_context_disconnect) CALL(pa_context_unref) CALL(pa_context_get_state)                  \
    CALL(pa_context_set_state_callback) CALL(pa_context_errno) CALL(pa_stream_new)                 \
    CALL(pa_stream_connect_playback) CALL(pa_stream_disconnect) CALL(pa_stream_unref)              \
    CALL(pa_stream_get_state) CALL(pa_stream_set_state_callback)                                   \
    CALL(pa_stream_set_write_callback) CALL(pa_stream_write) CALL(pa_stream_flush) CALL(pa_stream_cork)                 \
    CALL(pa_stream_update_timing_info) CALL(pa_stream_get_latency) CALL(pa_operation_unref)        \
    CALL(pa_strerror)
// clang-format on

// The PulseAudio client library, loaded when the first sound opens the
// output rather than with the program: it and the libraries it brings
// along (sound file codecs among them) take longer to load than the first
// frame should wait. A machine without it plays silently.
struct PulseLibrary {
#define ORLIX_PULSE_POINTER(name) decltype(&::name) name = nullptr;
    ORLIX_PULSE_CALLS(ORLIX_PULSE_POINTER)
#undef ORLIX_PULSE_POINTER

    // Loaded on the first call; null when the library or a call is missing.
    static const PulseLibrary* Get();
};
