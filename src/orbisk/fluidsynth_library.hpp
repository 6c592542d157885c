#pragma once
// The synthesiser's library, loaded the first time a MIDI sound is rendered rather than when a
// program starts: its sound back-ends bring in dozens of libraries, which would cost every
// brinkit verb about 8 ms of start-up.
#include <fluidsynth.h>

#include "base/error.hpp"

namespace orbisk {

#define ORBISK_FLUIDSYNTH_FUNCTIONS(X)                                                                         \
  X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setstr) X(fluid_settings_setnum)             \
  X(fluid_settings_setint) X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload)                      \
  X(fluid_synth_write_s16) X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add_mem)                  \
  X(fluid_player_play) X(fluid_player_stop) X(fluid_set_log_function)

// The functions the renderer calls, by their library names.
struct FluidSynth {
#define ORBISK_FLUIDSYNTH_POINTER(name) decltype(&::name) name = nullptr;
  ORBISK_FLUIDSYNTH_FUNCTIONS(ORBISK_FLUIDSYNTH_POINTER)
#undef ORBISK_FLUIDSYNTH_POINTER
};

// The library, loaded once and kept for the program's life; a message when it is missing.
base::Result<const FluidSynth*> fluidSynth();

}  // namespace orbisk
