#pragma once
// MIDI sounds made audible: a General MIDI SoundFont found among the usual places, and a MIDI
// file rendered through the synthesiser into a 16-bit stereo PCM wave file, as long as the
// MIDI file plays. The window plays that wave; `brinkit orbisk render` writes it for later.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "orbisk/scan.hpp"

namespace orbisk {

inline constexpr std::uint32_t kRenderRate = 44100;          // frames a second, two channels
inline constexpr std::uint64_t kMaxRenderMs = 60 * 60 * 1000;  // an hour; longer MIDI files are refused

// Where SoundFonts are looked for when none was chosen, in order: the system's SoundFont
// folders ("sounds/sf2" and "soundfonts" in each of the system's data folders), then the
// program's folder; in each, the preferred names first and then any *.sf2.
std::vector<std::filesystem::path> soundFontFolders(const std::filesystem::path& programFolder);
// The chosen SoundFont when it is still there, else the first found in the folders.
std::optional<std::filesystem::path> findSoundFont(const std::vector<std::filesystem::path>& folders,
                                                   const std::filesystem::path& chosen = {});
// "No General MIDI SoundFont (*.sf2) was found in …: MIDI sounds cannot be played. Install one
// (…) or " + howToChoose + "."
inline constexpr const char* kChooseSoundFontHint = "choose one with File > Choose SoundFont";
std::string noSoundFontMessage(const std::vector<std::filesystem::path>& folders,
                               const char* howToChoose = kChooseSoundFontHint);

// A peak below this is silence: the synthesiser's dither alone reaches ±1.
inline constexpr int kSilentPeak = 4;

struct RenderedWave {
  std::uint64_t frames = 0;
  std::uint64_t lengthMs = 0;
  int peak = 0;                  // the loudest sample's magnitude
  unsigned tracksCutShort = 0;   // tracks that end before their stated length: left out of the render
  bool silent() const { return peak < kSilentPeak; }
};

// The MIDI file as the synthesiser is given it: its header and its whole track chunks, the
// header's track count set to theirs; a track cut short by the end of the data is left out
// (the synthesiser would refuse the whole file for it). Fails when no whole track is left.
struct PlayableMidi {
  base::Bytes bytes;
  unsigned tracksCutShort = 0;
};
base::Result<PlayableMidi> playableMidi(base::ByteSpan midi);

// Renders the MIDI file in `midi` (its whole tracks, playableMidi) with the SoundFont into
// `wave` (written atomically), as many frames as their playing time (readMidiInfo) takes at
// kRenderRate. Fails with a message when the MIDI file cannot be read, plays for no time or
// longer than kMaxRenderMs, when the SoundFont cannot be loaded, when the synthesiser refuses
// the file (said by it, and the render silent), or when the wave cannot be written;
// progress.stopRequested() ends it (writing nothing), progress.progress() gets frames done / frames.
base::Result<RenderedWave> renderMidi(base::ByteSpan midi, const std::filesystem::path& soundFont,
                                      const std::filesystem::path& wave, ui::Progress& progress = ui::noProgress());

}  // namespace orbisk
