#include "PulseLibrary.h"

#include <dlfcn.h>

namespace {
// The library stays loaded for the rest of the run.
const PulseLibrary* Load() {
    void* library = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return nullptr;
    static PulseLibrary pulse;
    bool complete = true;
#define ORLIX_PULSE_RESOLVE(name)                                                                  \
    pulse.name = reinterpret_cast<decltype(pulse.name)>(dlsym(library, #name));                    \
    complete = complete && pulse.name != nullptr;
    ORLIX_PULSE_CALLS(ORLIX_PULSE_RESOLVE)
#undef ORLIX_PULSE_RESOLVE
    return complete ? &pulse : nullptr;
}
} // namespace

const PulseLibrary* PulseLibrary::Get() {
    static const PulseLibrary* const pulse = Load();
    return pulse;
}
