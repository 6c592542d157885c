#include "orbisk/midi_render.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/user_folders.hpp"
#include "orbisk/fluidsynth_library.hpp"
#include "orbisk/midi_info.hpp"
#include "orbisk/preview_text.hpp"

namespace orbisk {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 3> kPreferredNames = {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"};

// The synthesiser's complaints go into the message of a failed render, not onto stderr.
void keepLastError(int, const char* message, void* data) {
  if (message) *static_cast<std::string*>(data) = message;
}

// The synthesiser's log is one for the whole program: it is set for a render and put back
// after it. Renders run one at a time.
class QuietLog {
 public:
  QuietLog(const FluidSynth& fluid, std::string& last) : fluid_(fluid) {
    for (int level : {FLUID_PANIC, FLUID_ERR}) keep(level, keepLastError, &last);
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) keep(level, nullptr, nullptr);
  }
  ~QuietLog() {
    for (int level = 0; level < kLevels; ++level) fluid_.fluid_set_log_function(level, previous_[level], nullptr);
  }

 private:
  static constexpr int kLevels = FLUID_DBG + 1;
  void keep(int level, fluid_log_function_t function, void* data) {
    if (level >= 0 && level < kLevels) previous_[level] = fluid_.fluid_set_log_function(level, function, data);
  }
  const FluidSynth& fluid_;
  std::array<fluid_log_function_t, kLevels> previous_{};
};

// The synthesiser's objects, deleted by its own functions.
template <class T>
using Owned = std::unique_ptr<T, void (*)(T*)>;

base::Bytes waveHeader(std::uint64_t frames) {
  const auto dataBytes = static_cast<std::uint32_t>(frames * 4);
  base::Bytes header;
  for (char c : std::string_view("RIFF")) header.push_back(static_cast<std::uint8_t>(c));
  base::appendU32(header, 36 + dataBytes);
  for (char c : std::string_view("WAVEfmt ")) header.push_back(static_cast<std::uint8_t>(c));
  base::appendU32(header, 16);
  base::appendU16(header, 1);  // PCM
  base::appendU16(header, 2);  // stereo
  base::appendU32(header, kRenderRate);
  base::appendU32(header, kRenderRate * 4);
  base::appendU16(header, 4);
  base::appendU16(header, 16);
  for (char c : std::string_view("data")) header.push_back(static_cast<std::uint8_t>(c));
  base::appendU32(header, dataBytes);
  return header;
}

std::string failedBecause(const std::string& what, const std::string& why) {
  return why.empty() ? what + "." : base::strcat(what, ": ", why, ".");
}

}  // namespace

std::vector<fs::path> soundFontFolders(const fs::path& programFolder) {
  std::vector<fs::path> folders;
  for (const fs::path& data : base::systemDataFolders())
    for (const char* folder : {"sounds/sf2", "soundfonts"}) {
      fs::path place = (data / folder).lexically_normal();
      if (std::find(folders.begin(), folders.end(), place) == folders.end()) folders.push_back(std::move(place));
    }
  if (!programFolder.empty()) folders.push_back(programFolder);
  return folders;
}

std::optional<fs::path> findSoundFont(const std::vector<fs::path>& folders, const fs::path& chosen) {
  std::error_code ec;
  if (!chosen.empty() && fs::is_regular_file(chosen, ec)) return chosen;
  for (const fs::path& folder : folders) {
    for (const char* name : kPreferredNames)
      if (fs::is_regular_file(folder / name, ec)) return folder / name;
    std::vector<fs::path> any;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      std::string extension = base::displayPath(entry.path().extension());
      std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
      if (extension == ".sf2" && entry.is_regular_file(ec)) any.push_back(entry.path());
    }
    if (!any.empty()) return *std::min_element(any.begin(), any.end());
  }
  return std::nullopt;
}

std::string noSoundFontMessage(const std::vector<fs::path>& folders, const char* howToChoose) {
  std::string places;
  for (std::size_t i = 0; i < folders.size(); ++i)
    places += base::strcat(i == 0 ? "" : i + 1 == folders.size() ? " or " : ", ", base::displayPath(folders[i]));
#ifdef _WIN32
  return base::strcat("No General MIDI SoundFont (*.sf2) was found in ", places,
                      ": MIDI sounds cannot be played. Put one beside the programs or ", howToChoose, ".");
#else
  return base::strcat("No General MIDI SoundFont (*.sf2) was found in ", places,
                      ": MIDI sounds cannot be played. Install one (on Debian: timgm6mb-soundfont or "
                      "fluid-soundfont-gm) or ", howToChoose, ".");
#endif
}

base::Result<PlayableMidi> playableMidi(base::ByteSpan midi) {
  const auto headerLength = base::readU32Be(midi, 4);
  if (midi.size() < 14 || std::memcmp(midi.data(), "MThd", 4) != 0 || !headerLength || *headerLength > midi.size() - 8)
    return base::fail("The sound is no MIDI file.");
  if (*headerLength < 6) return base::fail("The MIDI file's header is too short.");
  PlayableMidi playable;
  const std::size_t bodyAt = 8 + *headerLength;
  playable.bytes.assign(midi.begin(), midi.begin() + static_cast<std::ptrdiff_t>(bodyAt));
  const unsigned stated = base::readU16Be(midi, 10).value_or(0);
  unsigned whole = 0;
  std::size_t at = bodyAt;
  while (whole + playable.tracksCutShort < stated && at < midi.size()) {
    const auto length = base::readU32Be(midi, at + 4);
    const bool isTrack = midi.size() - at >= 4 && std::memcmp(midi.data() + at, "MTrk", 4) == 0;
    if (!length || *length > midi.size() - at - 8) {  // the data ends inside this chunk
      if (isTrack) ++playable.tracksCutShort;
      break;
    }
    const std::size_t end = at + 8 + *length;
    if (isTrack) {
      playable.bytes.insert(playable.bytes.end(), midi.begin() + static_cast<std::ptrdiff_t>(at),
                            midi.begin() + static_cast<std::ptrdiff_t>(end));
      ++whole;
    }
    at = end;
  }
  if (whole == 0)
    return base::fail(playable.tracksCutShort ? "The MIDI file's only track is cut short." : "The MIDI file holds no track.");
  playable.bytes[10] = static_cast<std::uint8_t>(whole >> 8);  // the track count, big-endian
  playable.bytes[11] = static_cast<std::uint8_t>(whole);
  return playable;
}

base::Result<RenderedWave> renderMidi(base::ByteSpan original, const fs::path& soundFont, const fs::path& wave,
                                      ui::Progress& progress) {
  auto playable = playableMidi(original);
  if (!playable) return std::unexpected(playable.error());
  const base::ByteSpan midi = playable->bytes;
  auto info = readMidiInfo(midi);
  if (!info) return std::unexpected(info.error());
  if (info->lengthMs() > kMaxRenderMs)
    return base::fail(base::strcat("The MIDI sound plays for ", midiPositionText(info->lengthMs()),
                                   "; sounds longer than an hour are not rendered."));
  RenderedWave rendered;
  rendered.frames = (info->lengthUs * kRenderRate + 500000) / 1000000;
  rendered.lengthMs = info->lengthMs();
  rendered.tracksCutShort = playable->tracksCutShort;
  if (rendered.frames == 0) return base::fail("The MIDI file plays for no time: its tracks hold no notes.");

  auto library = fluidSynth();
  if (!library) return std::unexpected(library.error());
  const FluidSynth& fluid = **library;
  std::string lastError;
  QuietLog quiet(fluid, lastError);
  Owned<fluid_settings_t> settings(fluid.new_fluid_settings(), fluid.delete_fluid_settings);
  if (!settings) return base::fail("The synthesiser cannot start.");
  // The player advances with the samples written, not with the clock: rendering runs as fast
  // as it can.
  fluid.fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  fluid.fluid_settings_setnum(settings.get(), "synth.sample-rate", kRenderRate);
  fluid.fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
  fluid.fluid_settings_setnum(settings.get(), "synth.gain", 0.7);  // the default 0.2 is very quiet for one instrument
  Owned<fluid_synth_t> synth(fluid.new_fluid_synth(settings.get()), fluid.delete_fluid_synth);
  if (!synth) return base::fail(failedBecause("The synthesiser cannot start", lastError));
  // FluidSynth takes a file name in UTF-8 on every system.
  const std::string fontName = base::displayPath(soundFont);
  if (fluid.fluid_synth_sfload(synth.get(), fontName.c_str(), 1) == FLUID_FAILED)
    return base::fail(failedBecause(base::strcat("Cannot load the SoundFont ", base::displayPath(soundFont)), lastError));
  Owned<fluid_player_t> player(fluid.new_fluid_player(synth.get()), fluid.delete_fluid_player);
  if (!player || fluid.fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
      fluid.fluid_player_play(player.get()) != FLUID_OK)
    return base::fail(failedBecause("The synthesiser cannot play this MIDI file", lastError));

  auto out = base::AtomicWriter::create(wave);
  if (!out) return std::unexpected(out.error());
  if (auto ok = out->write(waveHeader(rendered.frames)); !ok) return std::unexpected(ok.error());
  constexpr int kBlock = 4096;
  std::array<std::int16_t, kBlock * 2> samples{};
  std::array<std::uint8_t, kBlock * 4> bytes{};
  std::uint64_t done = 0;
  while (done < rendered.frames) {
    const int frames = static_cast<int>(std::min<std::uint64_t>(kBlock, rendered.frames - done));
    if (fluid.fluid_synth_write_s16(synth.get(), frames, samples.data(), 0, 2, samples.data(), 1, 2) != FLUID_OK)
      return base::fail(failedBecause("The synthesiser stopped", lastError));
    const auto count = static_cast<std::size_t>(frames) * 2;
    for (std::size_t i = 0; i < count; ++i) {
      rendered.peak = std::max(rendered.peak, std::abs(int{samples[i]}));
      base::putU16(bytes.data() + i * 2, static_cast<std::uint16_t>(samples[i]));
    }
    if (auto ok = out->write(base::ByteSpan(bytes.data(), count * 2)); !ok) return std::unexpected(ok.error());
    done += static_cast<std::uint64_t>(frames);
    progress.progress(done, rendered.frames);
    if (progress.stopRequested()) return base::fail("Stopped.");
  }
  fluid.fluid_player_stop(player.get());
  // The synthesiser reads the file while it plays: one it refused plays as silence, with its reason logged.
  if (rendered.silent() && !lastError.empty())
    return base::fail(failedBecause("The synthesiser cannot play this MIDI file", lastError));
  if (auto ok = out->commit(); !ok) return std::unexpected(ok.error());
  return rendered;
}

}  // namespace orbisk
