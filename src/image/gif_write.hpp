#pragma once
// An animation as GIF bytes (GIF89a), without Qt: one global colour table of 256 colours, every
// frame at the screen's top-left corner, coded with LZW. One palette index may be transparent;
// each frame is then cleared away before the next is shown, so that its transparent pixels show
// what lies behind the picture, not the frame before. The animation loops forever.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/bmp.hpp"
#include "base/bytes.hpp"
#include "base/error.hpp"

namespace image {

// Palette indices, top row first, each row left to right.
struct GifFrame {
  int width = 0, height = 0;
  std::span<const std::uint8_t> pixels;
};

struct GifAnimation {
  int width = 0, height = 0;  // the screen: every frame fits in it
  base::Palette palette{};
  std::optional<std::uint8_t> transparent;  // the index drawn as nothing
  int delayCentiseconds = 10;               // 0-65535, each frame shown this long
  std::vector<GifFrame> frames;
};

// The sides of a GIF are 16-bit numbers.
inline constexpr int kMaxGifSide = 65535;

// An animation without frames, a side outside 1-65535, a frame larger than the screen or whose
// pixels do not match its size, or a delay out of range is an error.
base::Result<base::Bytes> gifBytes(const GifAnimation& animation);

}  // namespace image
