#include "orbisk/fluidsynth_library.hpp"

#include <string>

#include "base/library.hpp"

namespace orbisk {

namespace {

base::Result<FluidSynth> load() {
  const auto library = base::SharedLibrary::load("fluidsynth", {3, 2});
  if (!library)
#ifdef _WIN32
    return base::fail("The synthesiser library FluidSynth (libfluidsynth-3.dll, with the DLLs it needs) was not "
                      "found beside the programs: MIDI sounds cannot be played.");
#else
    return base::fail("The synthesiser library FluidSynth is not installed (on Debian: libfluidsynth3): "
                      "MIDI sounds cannot be played.");
#endif
  FluidSynth functions;
  std::string missing;
#define ORBISK_FLUIDSYNTH_LOOKUP(name) \
  if (!library->find(#name, functions.name)) missing = #name;
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
