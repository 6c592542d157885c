#include "orbisk/preview.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "orbisk/midi_info.hpp"
#include "orbisk/midi_render.hpp"
#include "orbisk/preview_text.hpp"
#include "orbisk/save.hpp"
#include "orbisk/wave_info.hpp"

namespace orbisk {

namespace fs = std::filesystem;

Preview::Preview(Orbisk& flow, PreviewFolder& folder, std::vector<fs::path> soundFontFolders)
    : flow_(flow), folder_(folder), soundFontFolders_(std::move(soundFontFolders)) {}

std::optional<std::size_t> Preview::neighbour(int step) const {
  if (!index_) return std::nullopt;
  return steppedIndex(*index_, flow_.resources().size(), step);
}

base::Result<Shown> Preview::show(std::size_t index) {
  const auto& resources = flow_.resources();
  if (index >= resources.size()) return base::fail("No such resource in the list.");
  const Resource& resource = resources[index];
  Shown shown;
  shown.index = index;
  shown.kind = resource.kind;
  shown.caption = previewCaption(resource.name);
  if (resource.kind == Kind::Bitmap) {
    auto bytes = readResource(flow_.scannedFile(), resource, kMaxPreviewBitmap, flow_.scannedStamp());
    if (!bytes) return std::unexpected(bytes.error());
    shown.bitmap = std::move(*bytes);
  } else {
    auto sound = writeSound(resource);
    if (!sound) return std::unexpected(sound.error());
    shown.sound = std::move(*sound);
  }
  index_ = index;
  return shown;
}

base::Result<ShownSound> Preview::writeSound(const Resource& resource) {
  auto folder = folder_.ensure();
  if (!folder) return std::unexpected(folder.error());
  ShownSound sound;
  sound.written = *folder / (resource.kind == Kind::Wave ? kTempWave : kTempMidi);
  std::error_code ec;
  fs::remove(sound.written, ec);
  fs::remove(*folder / kTempRendered, ec);
  auto saved = saveResource(flow_.scannedFile(), resource, sound.written, ui::noProgress(), flow_.scannedStamp());
  if (!saved) return std::unexpected(saved.error());

  if (resource.kind == Kind::Wave) {
    sound.playable = sound.written;
    auto mapped = base::MappedFile::map(sound.written);
    if (!mapped) return std::unexpected(mapped.error());
    if (auto info = readWaveInfo(mapped->bytes()))
      sound.lengthMs = info->lengthMs;
    else
      sound.note = info.error().message;
    return sound;
  }

  auto midi = base::readFile(sound.written, kMaxPreviewMidi);
  if (!midi) {
    sound.note = midi.error().message;
    return sound;
  }
  auto info = readMidiInfo(*midi);
  if (!info) {
    sound.note = info.error().message;
    return sound;
  }
  sound.lengthMs = info->lengthMs();
  auto soundFont = findSoundFont(soundFontFolders_, soundFont_);
  if (!soundFont) {
    sound.note = noSoundFontMessage(soundFontFolders_);
    return sound;
  }
  sound.render = PendingRender{std::move(*midi), *soundFont, *folder / kTempRendered};
  return sound;
}

base::Result<fs::path> Preview::render(const PendingRender& job, ui::Progress& progress) {
  auto rendered = renderMidi(job.midi, job.soundFont, job.wave, progress);
  if (!rendered) return std::unexpected(rendered.error());
  return job.wave;
}

ui::Outcome Preview::save(ui::Ui& ui, SaveReport* report) {
  if (!index_) return ui::Outcome::Done;
  std::error_code ec;
  if (!fs::is_directory(flow_.outputFolder(), ec)) {
    ui.message(previewNoFolderMessage(base::displayPath(flow_.outputFolder())), {.title = "Error", .detail = {}});
    return ui::Outcome::Refused;
  }
  SaveReport saved = flow_.save({*index_});
  const ui::Outcome outcome = saved.outcome;
  if (report) *report = std::move(saved);
  return outcome;
}

}  // namespace orbisk
