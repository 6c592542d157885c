#pragma once
// A recognisable sample fish, drawn in the frames' system palette: an orange fish with a
// darker outline, a yellow belly, pale stripes and a red tail. Over the 18 animations of 8
// frames it turns from facing left, through facing the viewer, to facing right, swimming a
// little forward and beating its tail in every frame.
#include <cstddef>

#include "base/bytes.hpp"

namespace samples {

constexpr std::size_t kFrameCount = 144;
constexpr std::size_t kFrameWidth = 96;
constexpr std::size_t kFrameHeight = 64;
constexpr std::size_t kIconSize = 83;

// Palette indices of frame n (0-143), top row first, each row left to right. The rightmost
// column is always transparent (0).
base::Bytes framePixels(std::size_t frame);

// The 83 × 83 icon: the fish from the side on pale water.
base::Bytes iconPixels();

}  // namespace samples
