#include "samples/samples.hpp"

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/frame_record.hpp"
#include "fishfile/run_stream.hpp"
#include "fishfile/system_palette.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/sample_library.hpp"

namespace samples {

using base::Bytes;

Bytes frameBitmap(std::size_t frame) {
  return base::write8BitBmp(kFrameWidth, kFrameHeight, fishfile::systemPalette(), framePixels(frame));
}

Bytes iconBitmap() { return base::write8BitBmp(kIconSize, kIconSize, fishfile::systemPalette(), iconPixels()); }

fishfile::FishTexts sampleFishTexts() {
  return {"Sample Goldfish", "Carassius exemplar", "Cyprinid", "Garden ponds",
          "A sample fish drawn by brinkit for its demo and tests. It turns from left to right over its "
          "eighteen animations."};
}

base::Result<std::vector<Bytes>> sampleAnimationSets() {
  std::vector<Bytes> records;
  for (std::size_t n = 0; n < kFrameCount; ++n) {
    auto stream = fishfile::encodeRunStream(fishfile::toStreamOrder(framePixels(n), kFrameWidth, kFrameHeight));
    if (!stream) return std::unexpected(stream.error());
    records.push_back(fishfile::makeFrameRecord(kFrameWidth, kFrameHeight, *stream));
  }
  std::span<const Bytes> all(records);
  return std::vector<Bytes>{fishfile::makeAnimationSet(all.subspan(0, 64)), fishfile::makeAnimationSet(all.subspan(64, 48)),
                            fishfile::makeAnimationSet(all.subspan(112, 16)), fishfile::makeAnimationSet(all.subspan(128, 16))};
}

base::Result<Bytes> sampleFish() {
  fishfile::EntryMap entries;
  for (auto& [name, data] : libraryEntries()) entries[name] = std::move(data);
  entries["007.dat"] = iconBitmap();
  auto sets = sampleAnimationSets();
  if (!sets) return std::unexpected(sets.error());
  for (int k = 0; k < 4; ++k) entries[fishfile::resourceEntryName(8 + k)] = std::move((*sets)[static_cast<std::size_t>(k)]);
  return fishfile::assembleFishFile(entries, kSampleFishId, sampleFishTexts());
}

base::Result<void> writeFrames(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return base::fail(base::strcat("Cannot make the folder ", base::displayPath(folder), ": ", ec.message(), "."));
  for (std::size_t n = 0; n < kFrameCount; ++n)
    if (auto ok = base::writeFileAtomically(folder / base::pathFromUtf8(fishfile::frameName(n) + ".bmp"), frameBitmap(n)); !ok) return ok;
  return base::writeFileAtomically(folder / "icon.bmp", iconBitmap());
}

base::Result<void> writeLibrary(const std::filesystem::path& file) {
  auto library = fishLibrary();
  if (!library) return std::unexpected(library.error());
  return base::writeFileAtomically(file, *library);
}

base::Result<void> writeFish(const std::filesystem::path& file) {
  auto fish = sampleFish();
  if (!fish) return std::unexpected(fish.error());
  return base::writeFileAtomically(file, *fish);
}

}  // namespace samples
