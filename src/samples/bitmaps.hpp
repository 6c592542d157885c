#pragma once
// Sample pictures for the plant and gravel builders, drawn in the system palette: a plant's
// 83 × 83 icon (8,050 bytes), its top and front views, a gravel surface and aspect, and a plant
// description text.
#include <filesystem>
#include <string>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace samples {

base::Bytes plantIcon();   // 83 × 83
base::Bytes plantTop();    // 64 × 64
base::Bytes plantFront();  // 96 × 128 (width × height)
base::Bytes gravelSurface();  // 160 × 90, seen from above
base::Bytes gravelAspect();   // 160 × 57, seen from the side
std::string plantDescription();

// plant-icon.bmp, plant-top.bmp, plant-front.bmp, plant-description.txt, gravel-surface.bmp,
// gravel-aspect.bmp into folder (made if missing).
base::Result<void> writeBitmaps(const std::filesystem::path& folder);

}  // namespace samples
