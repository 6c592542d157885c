// The sprite sheet: every frame in its cell, pixel for pixel, and nothing else drawn.
#include <gtest/gtest.h>

#include "finsplit/sheet.hpp"
#include "fishfile/system_palette.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/samples.hpp"

namespace {

std::uint32_t opaque(std::uint8_t index) {
  const auto& colour = fishfile::systemPalette()[index];
  return 0xFF000000u | std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue;
}

TEST(SpriteSheet, HoldsEveryFrameOfTheSampleFishInItsCell) {
  auto fish = samples::sampleFish();
  ASSERT_TRUE(fish);
  auto animations = finsplit::decodeAnimations(*fish);
  ASSERT_TRUE(animations);
  auto sheet = finsplit::spriteSheet(*animations);
  ASSERT_TRUE(sheet) << sheet.error().message;
  constexpr int kWidth = samples::kFrameWidth, kHeight = samples::kFrameHeight;
  ASSERT_EQ(sheet->width, 8 * kWidth);
  ASSERT_EQ(sheet->height, 18 * kHeight);
  EXPECT_TRUE(sheet->alpha);
  // Frame n as the samples drew it, not as the file decodes it: row n / 8, column n % 8.
  std::size_t mismatches = 0, transparent = 0;
  for (std::size_t n = 0; n < samples::kFrameCount; ++n) {
    const auto pixels = samples::framePixels(n);
    const int left = static_cast<int>(n % 8) * kWidth, top = static_cast<int>(n / 8) * kHeight;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const std::uint8_t index = pixels[static_cast<std::size_t>(y * kWidth + x)];
        const std::uint32_t expected = index == 0 ? 0u : opaque(index);
        transparent += index == 0;
        if (sheet->at(left + x, top + y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "frame " << n << " at " << x << "," << y << ": " << std::hex << sheet->at(left + x, top + y)
                        << " instead of " << expected;
      }
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_GT(transparent, 0u);
}

TEST(SpriteSheet, PutsFramesOfOtherSizesTopLeftInCellsOfTheLargest) {
  using finsplit::IndexedFrame;
  std::vector<finsplit::Animation> animations(2);
  animations[0].frames = {IndexedFrame{3, 2, {1, 0, 2, 3, 4, 5}}, IndexedFrame{1, 1, {6}}};
  animations[1].frames = {IndexedFrame{2, 4, {7, 8, 9, 10, 0, 11, 12, 13}}};
  auto sheet = finsplit::spriteSheet(animations);
  ASSERT_TRUE(sheet) << sheet.error().message;
  const std::uint32_t _ = 0;
  const auto c = opaque;
  // Cells of 3 × 4: two columns, two rows.
  const std::vector<std::uint32_t> expected = {
      c(1),  _,     c(2), c(6), _, _,  //
      c(3),  c(4),  c(5), _,    _, _,  //
      _,     _,     _,    _,    _, _,  //
      _,     _,     _,    _,    _, _,  //
      c(7),  c(8),  _,    _,    _, _,  //
      c(9),  c(10), _,    _,    _, _,  //
      _,     c(11), _,    _,    _, _,  //
      c(12), c(13), _,    _,    _, _,
  };
  EXPECT_EQ(sheet->width, 6);
  EXPECT_EQ(sheet->height, 8);
  EXPECT_EQ(sheet->pixels, expected);

  // A sheet past the limit is refused before anything is allocated for it.
  animations[1].frames = {IndexedFrame{65535, 65535, {}}};
  auto huge = finsplit::spriteSheet(animations);
  ASSERT_FALSE(huge);
  EXPECT_EQ(huge.error().message, "The sprite sheet would be 131070 × 131070 pixels, more than 67,108,864 pixels.");
}

}  // namespace
