#include "orbisk/fluidsynth_library.hpp"

#include <string>

#include "base/file_io.hpp"
#include "base/library.hpp"
#include "base/strcat.hpp"

namespace orbisk {

namespace {

base::Result<FluidSynth> load() {
  const auto library = base::SharedLibrary::load("fluidsynth", {3, 2});
  if (const auto wanted = base::SharedLibrary::besideProgram("fluidsynth", 3); !library && !wanted.empty())
    return base::fail(base::strcat("The synthesiser library FluidSynth is not installed: ", base::displayPath(wanted.filename()),
                                   " (with the libraries it needs) was looked for beside the program, in ",
                                   base::displayPath(wanted.parent_path()), ". MIDI sounds cannot be played."));
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
