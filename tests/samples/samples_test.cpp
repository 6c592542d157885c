// The samples stand in for the game's files in the demo and the tests, so they must have the
// layouts the tools expect.
#include <gtest/gtest.h>

#include "base/bmp.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/fish_library.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/sample_library.hpp"
#include "samples/samples.hpp"

namespace {

TEST(Samples, FramesAre8BitBottomUpWithATransparentRightColumn) {
  for (std::size_t n = 0; n < samples::kFrameCount; n += 13) {
    auto bitmap = samples::frameBitmap(n);
    auto info = base::readBmpInfo(bitmap);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->bitCount, 8);
    EXPECT_GT(info->height, 0);
    auto pixels = samples::framePixels(n);
    std::size_t opaque = 0;
    for (std::size_t y = 0; y < samples::kFrameHeight; ++y) {
      EXPECT_EQ(pixels[y * samples::kFrameWidth + samples::kFrameWidth - 1], 0) << "frame " << n << " row " << y;
      for (std::size_t x = 0; x < samples::kFrameWidth; ++x) opaque += pixels[y * samples::kFrameWidth + x] != 0;
    }
    EXPECT_GT(opaque, 300u) << "frame " << n << " shows a fish";
  }
  EXPECT_EQ(base::readBmpInfo(samples::iconBitmap())->width, 83);
}

TEST(Samples, LibraryHoldsEveryEntryTheBuilderNeedsAtTheirSizes) {
  auto library = samples::fishLibrary();
  ASSERT_TRUE(library);
  auto entries = fishfile::readFishLibrary(*library);
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 67u);
  auto size = [&](const std::string& name) {
    for (const auto& e : *entries)
      if (e.name == name) return e.size;
    return 0u;
  };
  EXPECT_EQ(size("back.dat"), 1102u);
  EXPECT_EQ(size("017.dat"), 1128u);
  for (int k = 26; k <= 64; k += 2) EXPECT_EQ(size(fishfile::resourceEntryName(k)), 464u);
  EXPECT_GE(size("018.dat"), 166u);
  EXPECT_GE(size("027.dat"), 323u);
}

TEST(Samples, FishHasItsFourAnimationSetsInOrder) {
  auto fish = samples::sampleFish();
  ASSERT_TRUE(fish);
  auto sets = fishfile::findAnimationSets(*fish);
  ASSERT_EQ(sets.size(), 4u);
  const int animations[] = {8, 6, 2, 2};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ((*fish)[sets[i].dataStart], animations[i]);
}

}  // namespace
