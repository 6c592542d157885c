#include "finsplit/cutter.hpp"

#include "base/bmp.hpp"
#include "base/strcat.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/run_stream.hpp"
#include "fishfile/system_palette.hpp"

namespace finsplit {

using base::Bytes;
using base::fail;
using base::strcat;

base::Result<Bytes> frameBitmap(const fishfile::FrameView& frame) {
  const std::size_t width = frame.width;
  const std::size_t height = frame.height;
  auto grid = fishfile::decodeRunStream(frame.stream, width * height);
  if (!grid) return std::unexpected(grid.error());

  // Grid column 0 is the picture's rightmost column.
  std::size_t shift = 0;
  for (std::size_t x = 0; x < width; ++x) {
    bool empty = true;
    for (std::size_t y = 0; y < height && empty; ++y) empty = (*grid)[y * width + x] == 0;
    if (empty) {
      shift = x;
      break;
    }
  }
  Bytes pixels(width * height);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* row = grid->data() + y * width;
    std::uint8_t* out = pixels.data() + y * width;
    for (std::size_t x = 0; x < width; ++x) out[width - 1 - x] = row[(x + shift) % width];
  }
  return base::write8BitBmp(frame.width, frame.height, fishfile::systemPalette(), pixels);
}

base::Result<std::size_t> cutFishFile(base::ByteSpan file, const FrameSink& sink) {
  std::size_t count = 0;
  for (const auto& set : fishfile::findAnimationSets(file)) {
    auto frames = fishfile::readAnimationSet(file, set.dataStart, set.byteCount, count);
    if (!frames) return std::unexpected(frames.error());
    for (const auto& frame : *frames) {
      const auto name = fishfile::frameName(count);
      if (count >= kMaxFrames) return fail(strcat("The fish file holds more than ", kMaxFrames, " frames; four-digit names end at 9999."));
      auto bitmap = frameBitmap(frame);
      if (!bitmap) return fail(strcat("Frame ", name, " (", frame.width, " × ", frame.height, "): ", base::withFullStop(bitmap.error().message)));
      if (auto ok = sink(count, *bitmap); !ok) return std::unexpected(ok.error());
      ++count;
    }
  }
  return count;
}

}  // namespace finsplit
