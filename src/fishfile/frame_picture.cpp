#include "fishfile/frame_picture.hpp"

#include <algorithm>

#include "base/strcat.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/run_stream.hpp"

namespace fishfile {

base::Result<IndexedFrame> framePicture(const FrameView& frame) {
  const std::size_t width = frame.width;
  const std::size_t height = frame.height;
  auto grid = decodeRunStream(frame.stream, width * height);
  if (!grid) return std::unexpected(grid.error());

  // Grid column 0 is the picture's rightmost column.
  std::size_t shift = 0;
  for (std::size_t x = 0; x < width; ++x) {
    bool empty = true;
    for (std::size_t y = 0; y < height && empty; ++y) empty = (*grid)[y * width + x] == kTransparentIndex;
    if (empty) {
      shift = x;
      break;
    }
  }
  IndexedFrame picture{frame.width, frame.height, std::vector<std::uint8_t>(width * height)};
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* row = grid->data() + y * width;
    std::uint8_t* out = picture.pixels.data() + y * width;
    for (std::size_t x = 0; x < width; ++x) out[width - 1 - x] = row[(x + shift) % width];
  }
  return picture;
}

base::Result<std::vector<Animation>> decodeAnimationSets(base::ByteSpan file, std::span<const AnimationSetLocation> sets) {
  std::vector<Animation> animations;
  std::size_t count = 0;
  for (const auto& set : sets) {
    auto frames = readAnimationSet(file, set.dataStart, set.byteCount, count);
    if (!frames) return std::unexpected(frames.error());
    // The set's first frame count (checked to be 1-16 when the set was recognised).
    const std::size_t perAnimation = set.dataStart + 2 < file.size() ? std::max<std::size_t>(file[set.dataStart + 2], 1) : 8;
    for (std::size_t i = 0; i < frames->size(); ++i, ++count) {
      const auto& frame = (*frames)[i];
      auto picture = framePicture(frame);
      if (!picture)
        return base::fail(base::strcat("Frame ", frameName(count), " (", frame.width, " × ", frame.height, "): ",
                                       base::withFullStop(picture.error().message)));
      if (i % perAnimation == 0) animations.emplace_back();
      animations.back().frames.push_back(std::move(*picture));
    }
  }
  return animations;
}

}  // namespace fishfile
