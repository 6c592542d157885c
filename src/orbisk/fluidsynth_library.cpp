#include "orbisk/fluidsynth_library.hpp"

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace orbisk {

namespace {

base::Result<FluidSynth> load() {
  void* library = nullptr;
  for (const char* name : {"libfluidsynth.so.3", "libfluidsynth.so.2", "libfluidsynth.so"})
    if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
  if (!library)
    return base::fail("The synthesiser library FluidSynth is not installed (on Debian: libfluidsynth3): "
                      "MIDI sounds cannot be played.");
  FluidSynth functions;
  std::string missing;
  // A symbol's address becomes a function pointer by copying its bits: C++ has no cast for it.
#define ORBISK_FLUIDSYNTH_LOOKUP(name)                          \
  if (void* symbol = dlsym(library, #name)) {                  \
    std::memcpy(&functions.name, &symbol, sizeof symbol);      \
  } else {                                                     \
    missing = #name;                                           \
  }
  ORBISK_FLUIDSYNTH_FUNCTIONS(ORBISK_FLUIDSYNTH_LOOKUP)
#undef ORBISK_FLUIDSYNTH_LOOKUP
  if (!missing.empty())
    return base::fail("The installed FluidSynth lacks " + missing + ": MIDI sounds cannot be played.");
  return functions;  // the library stays loaded: its functions are used until the program ends
}

}  // namespace

base::Result<const FluidSynth*> fluidSynth() {
  static const base::Result<FluidSynth> loaded = load();
  if (!loaded) return std::unexpected(loaded.error());
  return &*loaded;
}

}  // namespace orbisk
