#pragma once
// Sample pictures for the plant, gravel and food builders, drawn in the system palette: a
// plant's 83 × 83 icon (8,050 bytes), its top and front views, a gravel surface and aspect, a
// plant description text, a food picture and the frames of a tumbling food flake.
#include <cstddef>
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
base::Bytes foodPicture();  // 83 × 83: a heap of flakes and pellets in water (8,050 bytes)
inline constexpr std::size_t kFoodFrameCount = 8;
base::Bytes foodFrame(std::size_t k);  // 24 × 24, k = 0 … 7: a flake turning as it sinks; index 0 clear

// plant-icon.bmp, plant-top.bmp, plant-front.bmp, plant-description.txt, gravel-surface.bmp,
// gravel-aspect.bmp, food-picture.bmp and food-frame-01.bmp … food-frame-08.bmp into folder
// (made if missing).
base::Result<void> writeBitmaps(const std::filesystem::path& folder);

}  // namespace samples
