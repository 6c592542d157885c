// PreView without a window: the display palette, the kind offsets, finding the set and the
// kind, and the pixels drawn.
#include "scalepaint/preview.hpp"

#include <gtest/gtest.h>

#include <map>

#include "samples/samples.hpp"
#include "scalepaint/walkable_file.hpp"

namespace {

using base::Bytes;
using scalepaint::PreviewImage;
using scalepaint::Rgb;
using testfiles::animationSet;
using testfiles::frameRecord;
using testfiles::walkable;

std::uint32_t argb(Rgb c) { return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

Bytes record(std::uint32_t size, const std::string& name) {
  Bytes data(size, 0);
  data[0] = static_cast<std::uint8_t>(name.size());
  std::copy(name.begin(), name.end(), data.begin() + 1);
  return data;
}

// Every drawn pixel as (x, y) -> colour.
std::map<std::pair<int, int>, std::uint32_t> drawnPixels(const PreviewImage& image) {
  std::map<std::pair<int, int>, std::uint32_t> drawn;
  for (int y = 0; y < PreviewImage::kSize; ++y)
    for (int x = 0; x < PreviewImage::kSize; ++x)
      if (image.at(x, y) != 0) drawn[{x, y}] = image.at(x, y);
  return drawn;
}

TEST(DisplayPalette, CubeAndRamps) {
  const auto p = scalepaint::displayPalette();
  EXPECT_EQ(p[0], (Rgb{255, 255, 255}));
  EXPECT_EQ(p[1], (Rgb{255, 255, 204}));
  EXPECT_EQ(p[6], (Rgb{255, 204, 255}));
  EXPECT_EQ(p[36], (Rgb{204, 255, 255}));
  EXPECT_EQ(p[43], (Rgb{204, 204, 204}));
  EXPECT_EQ(p[214], (Rgb{0, 0, 51}));
  EXPECT_EQ(p[215], (Rgb{240, 0, 0}));
  EXPECT_EQ(p[224], (Rgb{15, 0, 0}));
  EXPECT_EQ(p[225], (Rgb{0, 240, 0}));
  EXPECT_EQ(p[235], (Rgb{0, 0, 240}));
  EXPECT_EQ(p[244], (Rgb{0, 0, 15}));
  EXPECT_EQ(p[245], (Rgb{240, 240, 240}));
  EXPECT_EQ(p[254], (Rgb{15, 15, 15}));
  EXPECT_EQ(p[255], (Rgb{0, 0, 0}));
}

TEST(KindOffsets, ExactNamesOnly) {
  EXPECT_EQ(scalepaint::kindOffset("Discus"), 65);
  EXPECT_EQ(scalepaint::kindOffset("Guppy"), 100);
  EXPECT_EQ(scalepaint::kindOffset("Blue Neon"), 50);
  EXPECT_EQ(scalepaint::kindOffset("Nobbin"), 110);
  EXPECT_EQ(scalepaint::kindOffset("kame"), 85);
  EXPECT_EQ(scalepaint::kindOffset("Kingyo"), 90);
  EXPECT_EQ(scalepaint::kindOffset("discus"), 0);
  EXPECT_EQ(scalepaint::kindOffset("Discus "), 0);
  EXPECT_EQ(scalepaint::kindOffset(""), 0);
}

// A width-3 frame: literal 1, 0, 2; skip of one 0; literal 3, 4.
Bytes smallSet() {
  return animationSet({{frameRecord(3, 2, 3, {0x03, 0x00, 1, 0, 2, 0xFF, 0xFF, 0x00, 0x02, 0x00, 3, 4})}}, 900);
}

TEST(LocatePreview, KindFromRecordsBeforeTheSetOrTheFirstAfterIt) {
  // Fish file order: the set, then the records.
  auto fish = walkable({smallSet(), record(464, "Discus"), record(464, "Guppy")}, {0, 1, 2});
  auto located = scalepaint::locatePreview(fish.bytes);
  ASSERT_TRUE(located.setStart);
  EXPECT_EQ(*located.setStart, fish.dataStart[0]);
  EXPECT_EQ(located.kindName, "Discus");

  // Tank order: records first; the last one before the set wins, an egg counts too.
  auto tank = walkable({record(464, "Guppy"), record(418, "Kingyo"), record(100, "Nobbin"), smallSet(),
                            record(464, "Discus")},
                           {0, 1, 2, 3, 4});
  located = scalepaint::locatePreview(tank.bytes);
  EXPECT_EQ(located.kindName, "Kingyo");
  EXPECT_EQ(*located.setStart, tank.dataStart[3]);

  // A name longer than the data left is cut at the end; no set means no kind search after.
  Bytes cut = record(464, "Rolyroly");
  cut[0] = 255;
  auto noSet = walkable({cut}, {0});
  located = scalepaint::locatePreview(noSet.bytes);
  EXPECT_FALSE(located.setStart);
  EXPECT_EQ(located.kindName.substr(0, 8), "Rolyroly");
  EXPECT_EQ(located.kindName.size(), 255u);
}

TEST(DrawPreview, PixelsInStreamOrderWrappingAtTheWidth) {
  auto file = walkable({smallSet()}, {0});
  const auto source = scalepaint::locatePreview(file.bytes);
  const auto p = scalepaint::displayPalette();
  auto image = scalepaint::drawPreview(source, scalepaint::identityTable());
  const std::map<std::pair<int, int>, std::uint32_t> expected = {
      {{122, 102}, argb(p[1])}, {{124, 102}, argb(p[2])}, {{123, 103}, argb(p[3])}, {{124, 103}, argb(p[4])}};
  EXPECT_EQ(drawnPixels(image), expected);
  EXPECT_EQ(image.drawn, 4u);

  // Through a table: 2 goes to 0 and is not drawn, 1 goes to 255 (black).
  scalepaint::Table table = scalepaint::identityTable();
  table[2] = 0;
  table[1] = 255;
  image = scalepaint::drawPreview(source, table);
  EXPECT_EQ(drawnPixels(image), (std::map<std::pair<int, int>, std::uint32_t>{
                                    {{122, 102}, argb(p[255])}, {{123, 103}, argb(p[3])}, {{124, 103}, argb(p[4])}}));
  EXPECT_EQ(scalepaint::drawPreview(source, scalepaint::Table{}).drawn, 0u);
}

TEST(DrawPreview, KindOffsetShiftsOnlyTheFirstRow) {
  auto file = walkable({smallSet(), record(464, "Discus")}, {0, 1});
  const auto image = scalepaint::drawPreview(scalepaint::locatePreview(file.bytes), scalepaint::identityTable());
  const auto p = scalepaint::displayPalette();
  // The first pixel at 120 + 65; it is past the wrap column, so the stream goes on at 120.
  EXPECT_EQ(drawnPixels(image), (std::map<std::pair<int, int>, std::uint32_t>{{{187, 102}, argb(p[1])},
                                                                             {{123, 103}, argb(p[2])},
                                                                             {{122, 104}, argb(p[3])},
                                                                             {{123, 104}, argb(p[4])}}));
}

TEST(DrawPreview, WideFramesUseTheirWholeWidth) {
  // 300 pixels wide, one row in one literal run: all on row 102, the surface ending at 349.
  Bytes stream = {0x2C, 0x01};
  stream.resize(302, 7);
  auto file = walkable({animationSet({{frameRecord(300, 1, 1, stream)}}, 900)}, {0});
  const auto image = scalepaint::drawPreview(scalepaint::locatePreview(file.bytes), scalepaint::identityTable());
  EXPECT_EQ(image.drawn, 300u);
  const auto drawn = drawnPixels(image);
  EXPECT_EQ(drawn.size(), 350u - 122u);
  EXPECT_EQ(drawn.begin()->first, (std::pair<int, int>{122, 102}));
  EXPECT_EQ(drawn.rbegin()->first, (std::pair<int, int>{349, 102}));
}

TEST(DrawPreview, NothingWithoutASetOrAWholeFirstFrame) {
  auto none = walkable({record(464, "Guppy")}, {0});
  EXPECT_EQ(scalepaint::drawPreview(scalepaint::locatePreview(none.bytes), scalepaint::identityTable()).drawn, 0u);

  // The first frame claims more stream than the set holds.
  Bytes set = smallSet();
  testfiles::set16(set, 4 + 10, 2000);
  auto damaged = walkable({set}, {0});
  auto source = scalepaint::locatePreview(damaged.bytes);
  ASSERT_TRUE(source.setStart);
  EXPECT_FALSE(scalepaint::firstFrameInfo(source));
  EXPECT_EQ(scalepaint::drawPreview(source, scalepaint::identityTable()).drawn, 0u);

  // A run past its stream ends the drawing after the runs before it.
  set = smallSet();
  set[4 + 14 + 8] = 0x09;  // the last literal claims 9 pixels
  auto overlong = walkable({set}, {0});
  EXPECT_EQ(scalepaint::drawPreview(scalepaint::locatePreview(overlong.bytes), scalepaint::identityTable()).drawn, 2u);

  // Data cut anywhere: nothing is read past it.
  auto whole = walkable({smallSet(), record(464, "Discus")}, {0, 1});
  for (std::size_t cut = 0; cut < whole.bytes.size(); cut += 5) {
    Bytes part(whole.bytes.begin(), whole.bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    scalepaint::drawPreview(scalepaint::locatePreview(part), scalepaint::identityTable());
  }
}

TEST(DrawPreview, SampleFish) {
  auto fish = samples::sampleFish();
  ASSERT_TRUE(fish);
  const auto source = scalepaint::locatePreview(*fish);
  ASSERT_TRUE(source.setStart);
  EXPECT_EQ(source.kindName, samples::sampleFishTexts().name);
  const auto frame = scalepaint::firstFrameInfo(source);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width, 96);
  EXPECT_EQ(frame->height, 64);
  const auto image = scalepaint::drawPreview(source, scalepaint::identityTable());
  EXPECT_GT(image.drawn, 500u);
  // Rows 102 to 165 at most, columns 122 to 217.
  for (const auto& [at, colour] : drawnPixels(image)) {
    EXPECT_GE(at.first, 122);
    EXPECT_LE(at.first, 217);
    EXPECT_GE(at.second, 102);
    EXPECT_LE(at.second, 165);
  }
}

}  // namespace
