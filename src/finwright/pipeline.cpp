#include "finwright/pipeline.hpp"

#include <array>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_library.hpp"
#include "fishfile/frame_record.hpp"
#include "fishfile/run_stream.hpp"
#include "ui/file_state.hpp"

namespace finwright {

namespace fs = std::filesystem;
using base::Bytes;
using base::fail;
using base::strcat;

namespace {

// A name that stays inside the work folder: no separators, no "..", not empty.
bool isPlainEntryName(const std::string& name) {
  return !name.empty() && name != "." && name.find_first_of("/\\:") == std::string::npos && name.find("..") == std::string::npos;
}

base::Result<Bytes> readEntry(const fs::path& work, const std::string& name) {
  if (!fs::exists(work / name)) return fail(strcat("The fish library has no entry \"", name, "\"."));
  return base::readFile(work / name, kWorkBufferSize);
}

struct SetLayout {
  const char* entry;
  std::size_t firstFrame, animations;
};
constexpr std::array<SetLayout, 4> kSets = {{{"008.dat", 0, 8}, {"009.dat", 64, 6}, {"010.dat", 112, 2}, {"011.dat", 128, 2}}};

}  // namespace

base::Result<void> extractLibrary(const fs::path& library, const fs::path& work) {
  auto data = base::readFile(library, kWorkBufferSize);
  if (!data) return std::unexpected(data.error());
  auto entries = fishfile::readFishLibrary(*data);
  if (!entries) return std::unexpected(entries.error());
  for (const auto& entry : *entries)
    if (!isPlainEntryName(entry.name))
      return fail(strcat("The fish library ", base::displayPath(library), " has an entry named \"", entry.name,
                         "\", which would be written outside the work folder."));
  for (const auto& entry : *entries) {
    auto bytes = base::ByteSpan(*data).subspan(entry.offset, entry.size);
    if (auto ok = base::writeFileAtomically(work / entry.name, bytes); !ok) return ok;
  }
  return {};
}

base::Result<Bytes> encodeFrameBitmap(base::ByteSpan bitmap) {
  auto info = base::readBmpInfo(bitmap);
  if (!info) return std::unexpected(info.error());
  if (info->bitCount != 8) return fail(strcat("it has ", info->bitCount, " bits per pixel; frames must have 8"));
  if (info->compression != 0) return fail("it is compressed; frames must be uncompressed");
  if (info->height < 0) return fail("it is stored top-down; frames must be stored bottom-up");
  if (info->width > 32767 || info->height > 32767) return fail(strcat("it is ", info->width, " × ", info->height, " pixels; frames are at most 32,767 either way"));
  auto pixels = base::read8BitPixels(bitmap);
  if (!pixels) return std::unexpected(pixels.error());
  const auto width = static_cast<std::size_t>(info->width);
  const auto height = static_cast<std::size_t>(info->height);
  auto stream = fishfile::encodeRunStream(fishfile::toStreamOrder(*pixels, width, height));
  if (!stream) return std::unexpected(stream.error());
  return fishfile::makeFrameRecord(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), *stream);
}

base::Result<Bytes> readFrameBitmap(const fs::path& imageFolder, std::size_t n) {
  const fs::path path = imageFolder / (fishfile::frameName(n) + ".bmp");
  if (ui::fileState(path) != ui::FileState::Plain) return fail("There is not a image file.");
  return base::readFile(path, kWorkBufferSize);
}

base::Result<Bytes> encodeFrame(const fs::path& imageFolder, std::size_t n, base::ByteSpan bitmap) {
  auto record = encodeFrameBitmap(bitmap);
  if (!record) {
    const fs::path path = imageFolder / (fishfile::frameName(n) + ".bmp");
    return fail(strcat("The frame ", base::displayPath(path), " cannot be used: ", base::withFullStop(record.error().message)));
  }
  return record;
}

base::Result<bool> encodeFrames(const fs::path& imageFolder, const fs::path& work, ui::Progress& progress) {
  for (std::size_t n = 0; n < kFrames; ++n) {
    if (progress.stopRequested()) return false;
    auto bitmap = readFrameBitmap(imageFolder, n);
    if (!bitmap) return std::unexpected(bitmap.error());
    auto record = encodeFrame(imageFolder, n, *bitmap);
    if (!record) return std::unexpected(record.error());
    if (auto ok = base::writeFileAtomically(work / fishfile::frameName(n), *record); !ok) return std::unexpected(ok.error());
    progress.progress(n + 1, kFrames);
  }
  return true;
}

base::Result<void> buildAnimationSets(const fs::path& work) {
  for (const auto& set : kSets) {
    std::vector<Bytes> records;
    for (std::size_t n = set.firstFrame; n < set.firstFrame + 8 * set.animations; ++n) {
      auto record = base::readFile(work / fishfile::frameName(n), kWorkBufferSize);
      if (!record) return std::unexpected(record.error());
      records.push_back(std::move(*record));
    }
    if (auto ok = base::writeFileAtomically(work / set.entry, fishfile::makeAnimationSet(records)); !ok) return ok;
  }
  return {};
}

base::Result<Bytes> assembleFromWorkFolder(const fs::path& work, std::uint16_t resourceNumber, const fishfile::FishTexts& texts) {
  fishfile::EntryMap entries;
  for (const std::string name : {"top.dat", "back.dat"}) {
    auto data = readEntry(work, name);
    if (!data) return std::unexpected(data.error());
    entries[name] = std::move(*data);
  }
  for (int k = 1; k <= 65; ++k) {
    auto data = readEntry(work, fishfile::resourceEntryName(k));
    if (!data) return std::unexpected(data.error());
    entries[fishfile::resourceEntryName(k)] = std::move(*data);
  }
  return fishfile::assembleFishFileNumbered(entries, resourceNumber, texts);
}

}  // namespace finwright
