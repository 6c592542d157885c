#include "finsplit/cutter.hpp"

#include "base/bmp.hpp"
#include "base/strcat.hpp"
#include "finsplit/frames.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/system_palette.hpp"

namespace finsplit {

using base::Bytes;
using base::fail;
using base::strcat;

base::Result<Bytes> frameBitmap(const fishfile::FrameView& frame) {
  auto picture = framePicture(frame);
  if (!picture) return std::unexpected(picture.error());
  return base::write8BitBmp(frame.width, frame.height, fishfile::systemPalette(), picture->pixels);
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
