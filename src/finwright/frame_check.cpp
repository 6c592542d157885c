#include "finwright/frame_check.hpp"

#include "base/bmp.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/animation_set.hpp"

namespace finwright {

std::vector<CheckedFrame> checkFrames(const std::filesystem::path& imageFolder) {
  std::vector<CheckedFrame> frames(kFrames);
  for (std::size_t n = 0; n < kFrames; ++n) {
    CheckedFrame& frame = frames[n];
    frame.name = fishfile::frameName(n);
    auto bitmap = readFrameBitmap(imageFolder, n);
    if (!bitmap) {
      frame.problem = bitmap.error().message;
      continue;
    }
    frame.bitmap = std::move(*bitmap);
    if (auto record = encodeFrame(imageFolder, n, frame.bitmap); !record) {
      frame.problem = record.error().message;
      continue;
    }
    // Taken: the indices it encodes, as the game will colour them.
    auto info = base::readBmpInfo(frame.bitmap);
    auto pixels = base::read8BitPixels(frame.bitmap);
    if (info && pixels) {
      frame.width = info->width;
      frame.height = info->height < 0 ? -info->height : info->height;
      frame.indices = std::move(*pixels);
    }
  }
  return frames;
}

}  // namespace finwright
