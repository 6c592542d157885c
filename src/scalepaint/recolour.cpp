#include "scalepaint/recolour.hpp"

#include <algorithm>

#include "base/zero_extended.hpp"
#include "fishfile/animation_set.hpp"
#include "resfile/resfile.hpp"

namespace scalepaint {

ResourceWalk::ResourceWalk(base::ByteSpan file) : file_(file) {
  const std::size_t mapStart = resfile::mapOffset(file);
  if (mapStart == 0) {
    done_ = true;
    return;
  }
  entry_ = mapStart;
  for (std::size_t i = mapStart; i + 1 < file.size(); ++i) {
    if (base::ZeroExtended(file).u16(i) == 0xFFFF) {
      entry_ = i;
      break;
    }
  }
}

std::optional<ResourceSpot> ResourceWalk::next() {
  if (done_) return std::nullopt;
  entry_ += resfile::kReferenceEntrySize;
  const std::uint32_t dataOffset = entry_ > file_.size() ? 0 : base::ZeroExtended(file_).u24(entry_ + 2);
  const std::size_t countAt = std::size_t{dataOffset} + resfile::kHeaderSize;
  if (dataOffset == 0 || countAt > file_.size()) {
    done_ = true;
    return std::nullopt;
  }
  return ResourceSpot{countAt + 4, base::ZeroExtended(file_).u24(countAt)};
}

std::optional<ResourceSpot> ResourceWalk::nextAnimationSet() {
  while (auto resource = next())
    if (isAnimationSet(file_, *resource)) return resource;
  return std::nullopt;
}

bool isAnimationSet(base::ByteSpan file, const ResourceSpot& resource) {
  return fishfile::looksLikeAnimationSet(file, resource.dataStart, resource.byteCount);
}

std::size_t recolourAnimationSet(std::span<std::uint8_t> file, const ResourceSpot& set, const Table& table) {
  Table t = table;
  t[0] = 0;  // index 0 is transparent and stays so
  std::size_t frames = 0;
  walkFrames(file, set, [&](const FrameSpot& frame) {
    std::uint8_t* stream = file.data() + frame.stream();
    const bool whole = walkRuns(
        base::ByteSpan(stream, frame.streamLength),
        [&](std::size_t at, std::size_t count) {
          for (std::uint8_t *p = stream + at, *end = p + count; p != end; ++p) *p = t[*p];
        },
        [&](std::size_t at, std::size_t) { stream[at] = t[stream[at]]; });
    ++frames;
    return whole;
  });
  return frames;
}

RecolourReport recolourFile(std::span<std::uint8_t> file, const Table& table, ui::Progress& progress) {
  RecolourReport report;
  ResourceWalk walk(file);
  while (auto set = walk.nextAnimationSet()) {
    if (progress.stopRequested()) {
      report.stopped = true;
      break;
    }
    report.frames += recolourAnimationSet(file, *set, table);
    ++report.sets;
    progress.progress(std::min<std::uint64_t>(set->dataStart + set->byteCount, file.size()), file.size());
  }
  return report;
}

}  // namespace scalepaint
