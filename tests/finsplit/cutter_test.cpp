#include "finsplit/cutter.hpp"

#include <gtest/gtest.h>

#include <span>

#include "base/bmp.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_assembly.hpp"
#include "fishfile/run_stream.hpp"
#include "support/test_files.hpp"

namespace {

using base::Bytes;
using testfiles::animationSet;
using testfiles::frameRecord;
using testfiles::resourceFile;
using testfiles::slice;

Bytes bitmapOf(std::uint16_t width, std::uint16_t height, const Bytes& stream) {
  auto bitmap = finsplit::frameBitmap({width, height, 1, stream});
  EXPECT_TRUE(bitmap) << bitmap.error().message;
  return bitmap.value_or(Bytes{});
}

// The cut palette as blue, green, red, 0: the colour cube from white, then the red, green,
// blue and grey ramps, then black.
Bytes expectedPalette() {
  Bytes out;
  auto add = [&](int red, int green, int blue) {
    out.insert(out.end(), {static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(red), 0});
  };
  for (int i = 0; i <= 214; ++i) add(255 - 51 * (i / 36), 255 - 51 * (i / 6 % 6), 255 - 51 * (i % 6));
  const int levels[10] = {238, 221, 187, 170, 136, 119, 85, 68, 34, 17};
  for (int v : levels) add(v, 0, 0);
  for (int v : levels) add(0, v, 0);
  for (int v : levels) add(0, 0, v);
  for (int v : levels) add(v, v, v);
  add(0, 0, 0);
  return out;
}

TEST(FrameBitmap, HeaderPaletteAndPixels) {
  // Stream rows 1 2 3 / 4 5 6 run right to left: the picture is 3 2 1 / 6 5 4.
  const Bytes bitmap = bitmapOf(3, 2, {6, 0, 1, 2, 3, 4, 5, 6});
  ASSERT_EQ(bitmap.size(), 1086u);  // (3 + 1) × 2 + 1078
  const Bytes header = {'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0, 40, 0, 0, 0,
                        3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 8, 0, 0, 0,
                        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(slice(bitmap, 0, 54), header);
  EXPECT_EQ(slice(bitmap, 54, 1024), expectedPalette());
  EXPECT_EQ(slice(bitmap, 54 + 4 * 1, 4), (Bytes{0xCC, 0xFF, 0xFF, 0}));
  EXPECT_EQ(slice(bitmap, 54 + 4 * 214, 4), (Bytes{0x33, 0, 0, 0}));
  EXPECT_EQ(slice(bitmap, 54 + 4 * 215, 4), (Bytes{0, 0, 238, 0}));
  EXPECT_EQ(slice(bitmap, 54 + 4 * 234, 4), (Bytes{0, 17, 0, 0}));
  EXPECT_EQ(slice(bitmap, 54 + 4 * 245, 4), (Bytes{238, 238, 238, 0}));
  EXPECT_EQ(slice(bitmap, 54 + 4 * 255, 4), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(slice(bitmap, 1078, 8), (Bytes{6, 5, 4, 0, 3, 2, 1, 0}));  // bottom row first
}

TEST(FrameBitmap, RowPadding) {
  const std::vector<Bytes> rows = {{10, 0, 0, 0}, {11, 10, 0, 0}, {12, 11, 10, 0}, {13, 12, 11, 10}, {14, 13, 12, 11, 10, 0, 0, 0}};
  for (std::uint16_t w = 1; w <= 5; ++w) {
    Bytes stream = {static_cast<std::uint8_t>(w), 0};
    for (std::uint8_t i = 0; i < w; ++i) stream.push_back(static_cast<std::uint8_t>(10 + i));
    const Bytes bitmap = bitmapOf(w, 1, stream);
    ASSERT_EQ(bitmap.size(), 1078 + rows[w - 1].size()) << "width " << w;
    EXPECT_EQ(testfiles::get32(bitmap, 2), bitmap.size());
    EXPECT_EQ(testfiles::get32(bitmap, 18), w);
    EXPECT_EQ(testfiles::get32(bitmap, 34), rows[w - 1].size());
    EXPECT_EQ(slice(bitmap, 1078, rows[w - 1].size()), rows[w - 1]) << "width " << w;
  }
}

TEST(FrameBitmap, TransparentColumnsTurnThePicture) {
  // Stream rows 1 0 2 3 / 4 0 5 6: stream column 1 is empty, so it lands at the right edge
  // and the columns before it come round on the left: 1 3 2 0 / 4 6 5 0.
  EXPECT_EQ(slice(bitmapOf(4, 2, {8, 0, 1, 0, 2, 3, 4, 0, 5, 6}), 1078, 8), (Bytes{4, 6, 5, 0, 1, 3, 2, 0}));
  // Of several empty columns the first in the stream (rightmost in the picture) counts.
  EXPECT_EQ(slice(bitmapOf(4, 1, {1, 0, 5, 254, 255, 0, 1, 0, 6}), 1078, 4), (Bytes{5, 6, 0, 0}));
  // An empty rightmost column leaves the picture as it was drawn: 2 1 0 / 4 3 0.
  const Bytes unshifted = bitmapOf(3, 2, {255, 255, 0, 5, 0, 1, 2, 0, 3, 4});
  EXPECT_EQ(slice(unshifted, 1078, 8), (Bytes{4, 3, 0, 0, 2, 1, 0, 0}));
  EXPECT_EQ(base::read8BitPixels(unshifted).value(), (Bytes{2, 1, 0, 4, 3, 0}));
}

TEST(FrameBitmap, FramesOfAnySize) {
  Bytes wide = {44, 1};
  for (int i = 0; i < 300; ++i) wide.push_back(static_cast<std::uint8_t>(1 + i % 200));
  const Bytes bitmap = bitmapOf(300, 1, wide);
  ASSERT_EQ(bitmap.size(), 1378u);
  for (int x = 0; x < 300; ++x) ASSERT_EQ(bitmap[1078 + 299 - x], 1 + x % 200) << x;

  const Bytes tall = bitmapOf(1, 300, {0, 0, 9, 212, 255, 9});  // 256 + 44 pixels of 9
  ASSERT_EQ(tall.size(), 1078u + 4 * 300);
  for (int y = 0; y < 300; ++y) ASSERT_EQ(slice(tall, 1078 + 4 * y, 4), (Bytes{9, 0, 0, 0})) << y;

  EXPECT_FALSE(finsplit::frameBitmap({2, 2, 1, Bytes{3, 0, 1, 2, 3}}));  // 3 pixels for 4
}

Bytes frame(std::uint8_t colour) { return frameRecord(1, 1, 1, {1, 0, colour}); }

struct Cut {
  std::vector<std::size_t> numbers;
  Bytes colours;  // the single pixel of each 1 × 1 frame
  base::Result<std::size_t> result = 0;
};
Cut cut(const Bytes& file) {
  Cut out;
  out.result = finsplit::cutFishFile(file, [&](std::size_t n, base::ByteSpan bitmap) -> base::Result<void> {
    out.numbers.push_back(n);
    out.colours.push_back(bitmap.size() > 1078 ? bitmap[1078] : 0);
    return {};
  });
  return out;
}

TEST(CutFishFile, FramesInMapOrder) {
  Bytes icon = {'B', 'M'};
  icon.resize(900, 1);
  Bytes info = {1, 0, 1, 0, 0, 0, 0, 0};
  info.resize(1128, 0);
  const Bytes setA = animationSet({{frame(1), frame(2)}, {frame(3), frame(4)}}, 805);
  const Bytes setB = animationSet({{frame(5), frame(6), frame(7)}}, 805);
  const auto file = resourceFile({{0}, icon, info, setA, setB}, {{0}, {1}, {2}, {4}, {3}});
  const Cut result = cut(file.bytes);
  ASSERT_TRUE(result.result) << result.result.error().message;
  EXPECT_EQ(*result.result, 7u);
  EXPECT_EQ(result.numbers, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(result.colours, (Bytes{5, 6, 7, 1, 2, 3, 4}));
}

TEST(CutFishFile, MalformedFramesAreNamed) {
  const Bytes setA = animationSet({{frame(1), frame(2), frame(3), frame(4)}}, 805);
  const Bytes setB = animationSet({{frame(5), frame(6), frame(7)}}, 805);
  // Set B lies behind the map, so cutting the file leaves the map whole and frame 5 short.
  const auto file = resourceFile({{0}, setA, setB}, {{0}, {1}, {2}}, 2);
  const Bytes truncated = slice(file.bytes, 0, file.dataStart[2] + 4 + 17 + 10);
  const Cut result = cut(truncated);
  ASSERT_FALSE(result.result);
  EXPECT_NE(result.result.error().message.find("0005"), std::string::npos) << result.result.error().message;
  EXPECT_EQ(result.numbers.size(), 4u);

  const Bytes bad = animationSet({{frame(1), frame(2), frameRecord(1, 1, 1, {2, 0, 7, 7}), frame(4)}}, 805);
  const Cut disagrees = cut(resourceFile({{0}, bad}, {{0}, {1}}).bytes);
  ASSERT_FALSE(disagrees.result);
  EXPECT_NE(disagrees.result.error().message.find("Frame 0002"), std::string::npos) << disagrees.result.error().message;

  const auto stopped = finsplit::cutFishFile(resourceFile({{0}, setA}, {{0}, {1}}).bytes, [](std::size_t n, base::ByteSpan) -> base::Result<void> {
    if (n == 1) return base::fail("disk full");
    return {};
  });
  ASSERT_FALSE(stopped);
  EXPECT_EQ(stopped.error().message, "disk full");
}

TEST(CutFishFile, BuilderMadeFileGivesAllFramesInOrder) {
  // 144 frames of 6 × 6: colour n + 1 with a marker top left and an empty rightmost column,
  // which the cut gives back unchanged.
  auto picture = [](std::size_t n) {
    Bytes p(36, static_cast<std::uint8_t>(1 + n % 250));
    for (std::size_t y = 0; y < 6; ++y) p[y * 6 + 5] = 0;
    p[0] = 255;
    return p;
  };
  auto entries = testfiles::templateEntries();
  entries["007.dat"] = Bytes{'B', 'M', 100, 0, 0, 0};
  std::vector<Bytes> records;
  for (std::size_t n = 0; n < 144; ++n) {
    auto stream = fishfile::encodeRunStream(fishfile::toStreamOrder(picture(n), 6, 6));
    ASSERT_TRUE(stream);
    records.push_back(fishfile::makeFrameRecord(6, 6, *stream));
  }
  const std::size_t firsts[5] = {0, 64, 112, 128, 144};
  for (int s = 0; s < 4; ++s)
    entries[fishfile::resourceEntryName(8 + s)] = fishfile::makeAnimationSet(
        std::span<const Bytes>(records).subspan(firsts[s], firsts[s + 1] - firsts[s]));
  auto file = fishfile::assembleFishFile(entries, 7, {"Test", "", "", "", ""});
  ASSERT_TRUE(file) << file.error().message;

  std::size_t next = 0;
  auto count = finsplit::cutFishFile(*file, [&](std::size_t n, base::ByteSpan bitmap) -> base::Result<void> {
    EXPECT_EQ(n, next++);
    EXPECT_EQ(base::read8BitPixels(bitmap).value(), picture(n)) << "frame " << n;
    return {};
  });
  ASSERT_TRUE(count) << count.error().message;
  EXPECT_EQ(*count, 144u);
}

}  // namespace
