#pragma once
// A fish file's frames laid out for a look at all of them at once, and one animation as a
// picture that moves, for sharing.
#include <cstddef>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "finsplit/frames.hpp"
#include "image/bmp_decode.hpp"

namespace finsplit {

// No larger sheet is made (256 MiB of pixels).
inline constexpr std::size_t kMaxSheetPixels = image::kMaxBmpPixels;

// The sprite sheet: one row per animation, one column per frame (a row as long as its
// animation), every cell as large as the largest frame of all, each frame at its cell's
// top-left corner. Index 0 and the cells' unused space are transparent (alpha 0); every other
// pixel is its system palette colour, opaque. No frames, or a sheet past kMaxSheetPixels, is an
// error.
base::Result<image::Picture> spriteSheet(const std::vector<Animation>& animations);

// The animation as a GIF that loops forever, each frame shown `delayCentiseconds` hundredths of
// a second at the top-left of a screen as large as its largest frame, index 0 transparent.
base::Result<base::Bytes> animationGif(const Animation& animation, int delayCentiseconds);

}  // namespace finsplit
