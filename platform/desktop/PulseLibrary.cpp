#include "PulseLibrary.h"

#include <dlfcn.h>

namespace {
template <typename Function> bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library stays loaded for the rest of the run.
PulseLibrary* Load() {
    void* library = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return nullptr;
    static PulseLibrary pulse;
    if (Resolve(library, "pa_simple_new", pulse.simpleNew) &&
        Resolve(library, "pa_simple_write", pulse.simpleWrite) &&
        Resolve(library, "pa_simple_free", pulse.simpleFree) &&
        Resolve(library, "pa_simple_flush", pulse.simpleFlush) &&
        Resolve(library, "pa_simple_get_latency", pulse.simpleGetLatency) &&
        Resolve(library, "pa_strerror", pulse.strerror))
        return &pulse;
    return nullptr;
}
} // namespace

const PulseLibrary* PulseLibrary::Get() {
    static const PulseLibrary* const pulse = Load();
    return pulse;
}
