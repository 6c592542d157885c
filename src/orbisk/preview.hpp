#pragma once
// The preview window's flow without a screen or a sound device: which resource is shown, what
// showing it reads and writes (a bitmap's bytes; a sound written to the temp folder, its
// length, and a MIDI sound rendered to a wave for the player), previous/next with
// wrap-around, and the preview's Save.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "orbisk/orbisk.hpp"
#include "orbisk/preview_folder.hpp"

namespace orbisk {

inline constexpr std::uint64_t kMaxPreviewBitmap = 16u << 20;  // the scan accepts no larger bitmap
inline constexpr std::uint64_t kMaxPreviewMidi = 64u << 20;

// A MIDI sound waiting to be rendered into a wave the player can open: rendering takes a
// moment (seconds for a long piece), so the window does it on a worker thread.
struct PendingRender {
  base::Bytes midi;
  std::filesystem::path soundFont;
  std::filesystem::path wave;  // TempMidi.WAV in the temp folder
};

struct ShownSound {
  std::filesystem::path written;   // Temp0000.WAV or Temp0000.MID: the resource's bytes
  std::filesystem::path playable;  // the wave the player opens; empty when there is none (yet)
  std::optional<std::uint64_t> lengthMs;
  std::string note;  // why the sound cannot be played or measured; empty when all is well
  std::optional<PendingRender> render;  // a MIDI sound: its wave is still to be rendered
};

struct Shown {
  std::size_t index = 0;
  Kind kind = Kind::Bitmap;
  std::string caption;                // "プレビュー - samp0002.BMP"
  base::Bytes bitmap;                 // a bitmap's bytes, to be decoded by the window
  std::optional<ShownSound> sound;    // a wave's or a MIDI file's
};

class Preview {
 public:
  // soundFontFolders: where a MIDI sound's SoundFont is looked for (see midi_render.hpp).
  Preview(Orbisk& flow, PreviewFolder& folder, std::vector<std::filesystem::path> soundFontFolders);

  // The SoundFont the person chose: used while it is there, before any found in the folders.
  void setSoundFont(std::filesystem::path chosen) { soundFont_ = std::move(chosen); }
  const std::filesystem::path& soundFont() const { return soundFont_; }

  // Show resource: fails (the window then says kPreviewFailed) when the index is outside the
  // list, the scanned file cannot be read, or a sound cannot be written to the temp folder.
  // A sound that cannot be played or measured is still shown, with a note saying why. A MIDI
  // sound comes with its render still to do (see render()).
  base::Result<Shown> show(std::size_t index);

  // The shown resource's index, and the previous (step -1) or next (+1) one with wrap-around;
  // nothing before a show or with a single resource.
  std::optional<std::size_t> index() const { return index_; }
  std::optional<std::size_t> neighbour(int step) const;

  // The preview's Save: the shown resource into the output folder, asking before replacing a
  // file; with the output folder missing, the preview's own message and nothing written.
  // What was written goes into `report` when one is given.
  ui::Outcome save(ui::Ui& ui, SaveReport* report = nullptr);

  // Forget the shown resource (a new scan replaced the list).
  void reset() { index_.reset(); }

  // Renders a shown MIDI sound's wave; any thread may run it. Returns the wave to play.
  static base::Result<std::filesystem::path> render(const PendingRender& job, ui::Progress& progress = ui::noProgress());

 private:
  base::Result<ShownSound> writeSound(const Resource& resource);

  Orbisk& flow_;
  PreviewFolder& folder_;
  std::vector<std::filesystem::path> soundFontFolders_;
  std::filesystem::path soundFont_;
  std::optional<std::size_t> index_;
};

}  // namespace orbisk
