#pragma once
#include "base/bmp.hpp"

namespace fishfile {

// The fixed palette of cut frames: a 6 × 6 × 6 colour cube from white down (entries 0-214),
// ten-step red, green, blue and grey ramps (215-254), and black (255).
const base::Palette& systemPalette();

}  // namespace fishfile
