#include "finsplit/sheet.hpp"

#include <algorithm>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "fishfile/system_palette.hpp"
#include "image/gif_write.hpp"

namespace finsplit {

namespace {

struct Size {
  std::size_t width = 0, height = 0;
};

Size largestFrame(const std::vector<Animation>& animations) {
  Size size;
  for (const auto& animation : animations)
    for (const auto& frame : animation.frames) {
      size.width = std::max(size.width, static_cast<std::size_t>(std::max(frame.width, 0)));
      size.height = std::max(size.height, static_cast<std::size_t>(std::max(frame.height, 0)));
    }
  return size;
}

}  // namespace

base::Result<image::Picture> spriteSheet(const std::vector<Animation>& animations) {
  const Size cell = largestFrame(animations);
  std::size_t columns = 0;
  for (const auto& animation : animations) columns = std::max(columns, animation.frames.size());
  if (cell.width == 0 || cell.height == 0 || columns == 0) return base::fail("The fish file holds no frames to lay out.");
  // A side is a frame's 16-bit side times a count of frames: it cannot overflow, their product could.
  const std::size_t width = columns * cell.width;
  const std::size_t height = animations.size() * cell.height;
  if (width > kMaxSheetPixels || height > kMaxSheetPixels || width * height > kMaxSheetPixels)
    return base::fail(base::strcat("The sprite sheet would be ", width, " × ", height, " pixels, more than ",
                                   base::withThousands(kMaxSheetPixels), " pixels."));

  const auto& palette = fishfile::systemPalette();
  image::Picture sheet{static_cast<int>(width), static_cast<int>(height), true, std::vector<std::uint32_t>(width * height, 0)};
  for (std::size_t row = 0; row < animations.size(); ++row) {
    const auto& frames = animations[row].frames;
    for (std::size_t column = 0; column < frames.size(); ++column) {
      const auto& frame = frames[column];
      for (int y = 0; y < frame.height; ++y) {
        std::uint32_t* out = sheet.pixels.data() + (row * cell.height + static_cast<std::size_t>(y)) * width + column * cell.width;
        for (int x = 0; x < frame.width; ++x) {
          const std::uint8_t index = frame.at(x, y);
          if (index == kTransparentIndex) continue;
          const auto& colour = palette[index];
          out[x] = 0xFF000000u | static_cast<std::uint32_t>(colour.red) << 16 | static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
        }
      }
    }
  }
  return sheet;
}

base::Result<base::Bytes> animationGif(const Animation& animation, int delayCentiseconds) {
  image::GifAnimation gif;
  gif.palette = fishfile::systemPalette();
  gif.transparent = kTransparentIndex;
  gif.delayCentiseconds = delayCentiseconds;
  // A frame without pixels is shown as nothing: one transparent pixel.
  static constexpr std::uint8_t kNothing[1] = {kTransparentIndex};
  gif.width = gif.height = 1;
  for (const auto& frame : animation.frames) {
    if (frame.width <= 0 || frame.height <= 0) {
      gif.frames.push_back({1, 1, kNothing});
      continue;
    }
    gif.width = std::max(gif.width, frame.width);
    gif.height = std::max(gif.height, frame.height);
    gif.frames.push_back({frame.width, frame.height, frame.pixels});
  }
  return image::gifBytes(gif);
}

}  // namespace finsplit
