// Recolouring in place: which bytes change (literal pixels and skip values of sound frames of
// animation sets) and which never do (headers, counts, other resources, anything past a set's
// or a stream's end). Expectations are laid out by hand from the frame and run formats.
#include "scalepaint/recolour.hpp"

#include <gtest/gtest.h>

#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/run_stream.hpp"
#include "samples/samples.hpp"
#include "scalepaint/walkable_file.hpp"

namespace {

using base::Bytes;
using testfiles::animationSet;
using testfiles::frameRecord;
using testfiles::walkable;

// 5 becomes 9; 7 becomes 8; every other index stays.
scalepaint::Table fiveToNine() {
  scalepaint::Table t = scalepaint::identityTable();
  t[5] = 9;
  t[7] = 8;
  return t;
}

// A one-resource file holding `set`; returns the file and the set's first data byte.
testfiles::TestFile oneSet(const Bytes& set) { return walkable({set}, {0}); }

std::size_t recolour(Bytes& file, const scalepaint::Table& table = fiveToNine()) {
  return scalepaint::recolourFile(file, table).sets;
}

TEST(Recolour, LiteralPixelsAndSkipValuesChangeHeadersNever) {
  // Width 5, height 5, 5 runs: the header's fives must stay.
  const Bytes stream = {0x03, 0x00, 5, 7, 5,     // literal of 3
                        0xFD, 0xFF, 0x00,        // skip of 3, value 0
                        0x02, 0x00, 5, 5,        // literal of 2
                        0xFE, 0xFF, 0x05};       // skip of 2 whose value is 5
  auto file = oneSet(animationSet({{frameRecord(5, 5, 5, stream)}}, 900));
  Bytes expected = file.bytes;
  const std::size_t s = file.dataStart[0] + 4 + 14;  // count A, count F, frame header
  expected[s + 2] = 9, expected[s + 3] = 8, expected[s + 4] = 9;
  expected[s + 10] = 9, expected[s + 11] = 9;
  expected[s + 14] = 9;
  EXPECT_EQ(recolour(file.bytes), 1u);
  EXPECT_EQ(file.bytes, expected);
}

TEST(Recolour, IdentityGivesTheSameBytesAndIndexZeroStaysZero) {
  const Bytes stream = {0x04, 0x00, 0, 5, 0, 5, 0x00, 0xFF, 0x00};
  auto file = oneSet(animationSet({{frameRecord(9, 1, 2, stream)}, {frameRecord(9, 1, 2, stream)}}, 900));
  const Bytes before = file.bytes;
  recolour(file.bytes, scalepaint::identityTable());
  EXPECT_EQ(file.bytes, before);

  scalepaint::Table zeroToSeven = scalepaint::identityTable();
  zeroToSeven[0] = 7;  // taken as 0 whatever it says
  recolour(file.bytes, zeroToSeven);
  EXPECT_EQ(file.bytes, before);
}

TEST(Recolour, EveryAnimationAndEveryFrameOfIt) {
  // Two animations of two frames: the second animation's frame count sits between them.
  auto frame = [](std::uint8_t pixel) { return frameRecord(1, 1, 1, {0x01, 0x00, pixel}); };
  auto file = oneSet(animationSet({{frame(5), frame(7)}, {frame(5), frame(5)}}, 900));
  Bytes expected = file.bytes;
  const std::size_t d = file.dataStart[0];
  // 2 + 2, then records of 17 bytes; the pixel is the record's 17th byte.
  expected[d + 4 + 16] = 9;
  expected[d + 4 + 17 + 16] = 8;
  expected[d + 4 + 34 + 2 + 16] = 9;
  expected[d + 4 + 51 + 2 + 16] = 9;
  recolour(file.bytes);
  EXPECT_EQ(file.bytes, expected);
}

TEST(Recolour, LongLiteralRunsAndFullSkipRuns) {
  // 300 pixels in one literal run (count 0x012C), a skip of 256 written with high byte 0xFF,
  // one with high byte 0 and low byte 0, then a literal of one.
  Bytes stream = {0x2C, 0x01};
  for (int i = 0; i < 300; ++i) stream.push_back(static_cast<std::uint8_t>(i % 2 == 0 ? 5 : 6));
  for (int b : {0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x05}) stream.push_back(static_cast<std::uint8_t>(b));
  auto file = oneSet(animationSet({{frameRecord(600, 1, 4, stream)}}, 900));
  Bytes expected = file.bytes;
  const std::size_t s = file.dataStart[0] + 4 + 14;
  for (int i = 0; i < 300; i += 2) expected[s + 2 + static_cast<std::size_t>(i)] = 9;
  expected[s + 310] = 9;
  recolour(file.bytes);
  EXPECT_EQ(file.bytes, expected);
}

TEST(Recolour, OnlyAnimationSetsChange) {
  auto looksLikeSet = [](std::size_t size) {
    Bytes data = animationSet({{frameRecord(1, 1, 1, {0x01, 0x00, 5})}}, size);
    return data;
  };
  Bytes bitmap = looksLikeSet(900);
  bitmap[0] = 'B', bitmap[1] = 'M';
  Bytes wideCount = looksLikeSet(900);
  wideCount[1] = 1;  // 257 animations
  Bytes noFrames = looksLikeSet(900);
  noFrames[2] = 0;
  Bytes dirty = looksLikeSet(900);
  dirty[7] = 1;
  auto file = walkable({looksLikeSet(804), looksLikeSet(1128), bitmap, wideCount, noFrames, dirty, looksLikeSet(805)},
                           {0, 1, 2, 3, 4, 5, 6});
  Bytes expected = file.bytes;
  expected[file.dataStart[6] + 4 + 16] = 9;
  EXPECT_EQ(recolour(file.bytes), 1u);
  EXPECT_EQ(file.bytes, expected);
}

TEST(Recolour, FrameBudgetIsAnimationsTimesFramesPlusTen) {
  auto frame = [] { return frameRecord(1, 1, 1, {0x01, 0x00, 5}); };
  // 16 animations of 16 frames: all 256 frames change.
  std::vector<std::vector<Bytes>> animations(16, std::vector<Bytes>(16, frame()));
  auto big = oneSet(animationSet(animations));
  recolour(big.bytes);
  std::size_t at = big.dataStart[0] + 2, changed = 0;
  for (int a = 0; a < 16; ++a) {
    at += 2;
    for (int f = 0; f < 16; ++f, at += 17) changed += big.bytes[at + 16] == 9;
  }
  EXPECT_EQ(changed, 256u);

  // One animation said to hold one frame, holding 20: frames 0-11 (budget 11, so 12 frames)
  // change and the rest stay.
  auto small = oneSet(animationSet({std::vector<Bytes>(20, frame())}, 900));
  testfiles::set16(small.bytes, small.dataStart[0] + 2, 1);
  recolour(small.bytes);
  for (std::size_t f = 0; f < 20; ++f)
    EXPECT_EQ(small.bytes[small.dataStart[0] + 4 + 17 * f + 16], f < 12 ? 9 : 5) << "frame " << f;
}

TEST(Recolour, NothingPastAStreamOrASetChanges) {
  auto fives = [](std::size_t n) { return Bytes(n, 5); };
  const Bytes good = frameRecord(1, 1, 1, {0x01, 0x00, 5});
  // A literal run of 5 in a stream of 4 bytes: the set ends there, and the next frame stays.
  const Bytes overlong = frameRecord(1, 1, 1, {0x05, 0x00, 5, 5});
  auto runPast = walkable({animationSet({{good, overlong, good}}, 900), fives(900)}, {0, 1});
  Bytes expected = runPast.bytes;
  expected[runPast.dataStart[0] + 4 + 16] = 9;
  recolour(runPast.bytes);
  EXPECT_EQ(runPast.bytes, expected);

  // A skip run cut off by the stream's end ends the set too.
  auto skipPast = oneSet(animationSet({{frameRecord(1, 1, 1, {0x01, 0x00, 5, 0xFF, 0xFF}), good}}, 900));
  expected = skipPast.bytes;
  expected[skipPast.dataStart[0] + 4 + 16] = 9;
  recolour(skipPast.bytes);
  EXPECT_EQ(skipPast.bytes, expected);

  // The last frame claims 12 bytes more than the set holds; the next resource is all fives.
  Bytes set = animationSet({{good, frameRecord(1, 1, 1, {0x0C, 0x00, 5})}}, 0);
  const std::size_t lastFrame = set.size() - 17;
  set.resize(900 - 12, 0);  // the set ends 12 bytes before the claimed stream does
  testfiles::set16(set, lastFrame + 10, static_cast<std::uint32_t>(set.size() - lastFrame - 14 + 12));
  auto pastSet = walkable({set, fives(900)}, {0, 1});
  expected = pastSet.bytes;
  expected[pastSet.dataStart[0] + 4 + 16] = 9;
  recolour(pastSet.bytes);
  EXPECT_EQ(pastSet.bytes, expected);

  // A frame ending exactly at the set's end is whole and changes: 800 pixels in one run.
  Bytes run = {0x20, 0x03};
  run.resize(802, 5);
  const Bytes exact = animationSet({{good, frameRecord(800, 1, 1, run)}}, 0);
  ASSERT_EQ(exact.size(), 4u + 17 + 14 + 802);
  auto atEnd = walkable({exact, fives(900)}, {0, 1});
  recolour(atEnd.bytes);
  EXPECT_EQ(atEnd.bytes[atEnd.dataStart[0] + exact.size() - 1], 9);
  EXPECT_EQ(atEnd.bytes[atEnd.dataStart[1]], 5);
}

TEST(Recolour, ACutFileIsWalkedWithoutReadingPastIt) {
  auto file = oneSet(animationSet({{frameRecord(1, 1, 1, {0x01, 0x00, 5}), frameRecord(1, 1, 1, {0x03, 0x00, 5, 5, 5})}}, 900));
  // Cut inside the second frame's stream: the map is gone, so nothing is found at all, but
  // neither may the walk read past the end.
  for (std::size_t cut = 0; cut < file.bytes.size(); cut += 7) {
    Bytes part(file.bytes.begin(), file.bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    scalepaint::recolourFile(part, fiveToNine());
  }
  // A set whose byte count runs past the file: only frames inside the file change.
  Bytes bytes = file.bytes;
  const std::size_t d = file.dataStart[0];
  testfiles::set32(bytes, d - 4, 5'000'000);
  recolour(bytes);
  EXPECT_EQ(bytes[d + 4 + 16], 9);
}

TEST(ResourceWalk, MapOrderStopsAndMapOffsetZero) {
  auto set = [](std::uint8_t pixel) { return animationSet({{frameRecord(1, 1, 1, {0x01, 0x00, pixel})}}, 900); };
  // Three sets, the third behind the map; the map lists them 2, 0, 1.
  auto file = walkable({set(1), set(2), set(3)}, {2, 0, 1}, 2);
  scalepaint::ResourceWalk walk(file.bytes);
  for (std::size_t expected : {2u, 0u, 1u}) {
    auto found = walk.nextAnimationSet();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dataStart, file.dataStart[expected]);
    EXPECT_EQ(found->byteCount, 900u);
  }
  EXPECT_FALSE(walk.next());

  Bytes noMap = file.bytes;
  noMap[4] = noMap[5] = noMap[6] = 0;
  EXPECT_FALSE(scalepaint::ResourceWalk(noMap).next());
  EXPECT_EQ(recolour(noMap), 0u);

  // An entry pointing past the file ends the walk there.
  Bytes pastEnd = file.bytes;
  testfiles::set32(pastEnd, testfiles::entryAt(file, 1) + 4, static_cast<std::uint32_t>(pastEnd.size()));
  scalepaint::ResourceWalk cut(pastEnd);
  EXPECT_TRUE(cut.next());
  EXPECT_FALSE(cut.next());
}

TEST(Recolour, SampleFishEveryFrameThroughTheTable) {
  auto fish = samples::sampleFish();
  ASSERT_TRUE(fish);
  scalepaint::Table table{};
  for (std::size_t i = 0; i < 256; ++i) table[i] = static_cast<std::uint8_t>(255 - i);
  Bytes out = *fish;
  const auto report = scalepaint::recolourFile(out, table);
  EXPECT_EQ(report.sets, 4u);
  ASSERT_EQ(out.size(), fish->size());

  // Decoded with the fish format's own reader, every pixel went through the table and
  // nothing outside the four sets changed.
  const auto sets = fishfile::findAnimationSets(*fish);
  ASSERT_EQ(sets.size(), 4u);
  std::vector<bool> inSet(fish->size(), false);
  std::size_t frames = 0;
  for (const auto& s : sets) {
    for (std::size_t i = s.dataStart; i < s.dataStart + s.byteCount; ++i) inSet[i] = true;
    auto before = fishfile::readAnimationSet(*fish, s.dataStart, s.byteCount, 0);
    auto after = fishfile::readAnimationSet(out, s.dataStart, s.byteCount, 0);
    ASSERT_TRUE(before && after);
    ASSERT_EQ(before->size(), after->size());
    for (std::size_t f = 0; f < before->size(); ++f, ++frames) {
      const auto& b = (*before)[f];
      auto pixelsBefore = fishfile::decodeRunStream(b.stream, std::size_t{b.width} * b.height);
      auto pixelsAfter = fishfile::decodeRunStream((*after)[f].stream, std::size_t{b.width} * b.height);
      ASSERT_TRUE(pixelsBefore && pixelsAfter);
      for (auto& p : *pixelsBefore) p = p == 0 ? 0 : table[p];
      EXPECT_EQ(*pixelsAfter, *pixelsBefore) << "frame " << frames;
    }
  }
  EXPECT_EQ(frames, 144u);
  EXPECT_EQ(report.frames, 144u);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (inSet[i]) continue;
    ASSERT_EQ(out[i], (*fish)[i]) << "byte " << i;
  }
}

TEST(Recolour, ATankOfSeveralFishHasAllOfThemRecoloured) {
  auto fish = samples::sampleAnimationSets();
  ASSERT_TRUE(fish);
  Bytes record(464, 0);
  record[0] = 3, record[1] = 'F', record[2] = 'o', record[3] = 'o';
  // Three fish: each has its four sets and a record; the sets of the second are listed first.
  std::vector<Bytes> resources;
  for (int copy = 0; copy < 3; ++copy) {
    for (const auto& set : *fish) resources.push_back(set);
    resources.push_back(record);
  }
  auto file = walkable(resources, {5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 10, 11, 12, 13, 14});
  Bytes out = file.bytes;
  EXPECT_EQ(recolour(out, scalepaint::Table{}), 12u);  // every pixel to 0
  for (std::size_t r = 0; r < resources.size(); ++r) {
    if (r % 5 == 4) continue;
    auto frames = fishfile::readAnimationSet(out, file.dataStart[r], static_cast<std::uint32_t>(resources[r].size()), 0);
    ASSERT_TRUE(frames);
    for (const auto& f : *frames) {
      auto pixels = fishfile::decodeRunStream(f.stream, std::size_t{f.width} * f.height);
      ASSERT_TRUE(pixels);
      EXPECT_EQ(std::count(pixels->begin(), pixels->end(), 0), static_cast<std::ptrdiff_t>(pixels->size()));
    }
  }
}

}  // namespace
