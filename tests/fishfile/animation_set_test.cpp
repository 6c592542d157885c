#include "fishfile/animation_set.hpp"

#include <gtest/gtest.h>

#include "fishfile/fish_file.hpp"
#include "support/test_files.hpp"

namespace {

using base::Bytes;
using testfiles::animationSet;
using testfiles::frameRecord;
using testfiles::resourceFile;

TEST(AnimationSetRecognition, ContentTest) {
  struct Case {
    std::size_t at;
    int value;
    std::uint32_t count;
    bool expected;
  };
  const Case cases[] = {
      {0, 1, 805, true},     {0, 1, 804, false},  {0, 1, 1127, true}, {0, 1, 1128, false}, {0, 1, 1129, true},
      {0, 0, 900, false},    {0, 16, 900, true},  {0, 17, 900, false}, {1, 1, 900, false},
      {2, 0, 900, false},    {2, 16, 900, true},  {2, 17, 900, false},
      {3, 1, 900, false},    {4, 1, 900, false},  {5, 1, 900, false},  {6, 1, 900, false}, {7, 1, 900, false},
      {8, 0xFF, 900, true},  // the first frame's width and beyond are not looked at
  };
  for (const auto& c : cases) {
    Bytes data = {0xEE, 0xEE, 1, 0, 1, 0, 0, 0, 0, 0, 9, 9};  // the set starts at byte 2
    data[2 + c.at] = static_cast<std::uint8_t>(c.value);
    EXPECT_EQ(fishfile::looksLikeAnimationSet(data, 2, c.count), c.expected)
        << "byte " << c.at << " = " << c.value << ", " << c.count << " bytes";
  }
  EXPECT_FALSE(fishfile::looksLikeAnimationSet(Bytes{'B', 'M', 1, 0, 0, 0, 0, 0}, 0, 900));
  EXPECT_TRUE(fishfile::looksLikeAnimationSet(Bytes{2, 0, 3}, 0, 900));  // past the file reads as 0
}

Bytes frame(std::uint16_t width) { return frameRecord(width, 1, 1, {1, 0, 5}); }

// Recognisable sets: padded past 804 bytes, told apart by their first frame's width.
Bytes set(std::uint16_t id) { return animationSet({{frame(id)}}, 805); }

std::vector<std::size_t> found(const Bytes& file) {
  std::vector<std::size_t> starts;
  for (const auto& s : fishfile::findAnimationSets(file)) starts.push_back(s.dataStart);
  return starts;
}

TEST(FindAnimationSets, MapOrderAndWhatIsSkipped) {
  Bytes icon = {'B', 'M', 1, 0, 1, 0, 0, 0, 0, 0};
  icon.resize(900, 0);
  Bytes info = {1, 0, 1, 0, 0, 0, 0, 0};
  info.resize(1128, 0);
  auto file = resourceFile({{1, 2, 3}, icon, info, set(1), {4}, set(2)},
                           {{0}, {1}, {2}, {5}, {4}, {3}});
  auto sets = fishfile::findAnimationSets(file.bytes);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].dataStart, file.dataStart[5]);
  EXPECT_EQ(sets[1].dataStart, file.dataStart[3]);
  EXPECT_EQ(sets[0].byteCount, 805u);

  file.bytes[7] = 0x42;  // header byte 7 is not part of M
  EXPECT_EQ(found(file.bytes).size(), 2u);
  file.bytes[4] = file.bytes[5] = file.bytes[6] = 0;  // map offset 0: nothing
  EXPECT_TRUE(found(file.bytes).empty());
}

TEST(FindAnimationSets, TheFirstUnnamedEntryAnchorsTheWalk) {
  // The walk starts after the entry whose name field holds the first 0xFF 0xFF pair, so the
  // named entry before it and that entry itself are never looked at.
  auto file = resourceFile({set(1), set(2), set(3), set(4)},
                           {{0, 1, 0}, {1, 2, 0xFFFF}, {2, 3, 5}, {3, 4, 0xFFFF}});
  EXPECT_EQ(found(file.bytes), (std::vector<std::size_t>{file.dataStart[2], file.dataStart[3]}));

  // With no unnamed entry the walk starts at M and reads the map length's high bytes as a
  // data offset of 0.
  auto named = resourceFile({set(1), set(2)}, {{0, 1, 0}, {1, 2, 3}});
  EXPECT_TRUE(found(named.bytes).empty());
}

TEST(FindAnimationSets, WhereTheWalkEnds) {
  // The first resource has data offset 0, which ends the walk.
  auto file = resourceFile({set(9), {1}, set(1), set(2)}, {{1}, {2}, {0}, {3}});
  EXPECT_EQ(found(file.bytes), (std::vector<std::size_t>{file.dataStart[2]}));

  // A resource whose count would start past the end ends it; one starting right at the end
  // reads as an empty resource and the walk goes on.
  auto far = resourceFile({{1}, set(1), {2}, set(2)}, {{0}, {1}, {2}, {3}});
  const std::size_t entry2 = far.mapStart + 38 + 12 * 2 + 4;
  testfiles::set32(far.bytes, entry2, static_cast<std::uint32_t>(far.bytes.size() - 256));
  EXPECT_EQ(found(far.bytes), (std::vector<std::size_t>{far.dataStart[1], far.dataStart[3]}));
  testfiles::set32(far.bytes, entry2, static_cast<std::uint32_t>(far.bytes.size() - 255));
  EXPECT_EQ(found(far.bytes), (std::vector<std::size_t>{far.dataStart[1]}));
}

std::vector<std::uint16_t> widths(const std::vector<fishfile::FrameView>& frames) {
  std::vector<std::uint16_t> out;
  for (const auto& f : frames) out.push_back(f.width);
  return out;
}

TEST(ReadAnimationSet, WalksAsReadersAlwaysHave) {
  // The second animation claims 3 frames; readers take every animation to have the first's 2.
  const Bytes data = animationSet({{frame(1), frame(2)}, {frame(3), frame(4), frame(5)}});
  auto frames = fishfile::readAnimationSet(data, 0, static_cast<std::uint32_t>(data.size()), 0);
  ASSERT_TRUE(frames) << frames.error().message;
  EXPECT_EQ(widths(*frames), (std::vector<std::uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(Bytes(frames->at(0).stream.begin(), frames->at(0).stream.end()), (Bytes{1, 0, 5}));
  EXPECT_EQ(frames->at(0).height, 1);
  EXPECT_EQ(frames->at(0).runs, 1);

  // The walk leaves once it reaches the byte count (each record is 17 bytes).
  EXPECT_EQ(widths(fishfile::readAnimationSet(data, 0, 4 + 17, 0).value()), (std::vector<std::uint16_t>{1}));
  EXPECT_EQ(widths(fishfile::readAnimationSet(data, 0, 4 + 17 + 1, 0).value()), (std::vector<std::uint16_t>{1, 2}));
  EXPECT_EQ(widths(fishfile::readAnimationSet(data, 0, 4 + 34 + 2, 0).value()), (std::vector<std::uint16_t>{1, 2}));
}

TEST(ReadAnimationSet, ARecordOutsideTheFileNamesItsFrame) {
  const Bytes data = animationSet({{frame(1), frame(2)}});
  const Bytes cutInStream(data.begin(), data.end() - 1);
  auto frames = fishfile::readAnimationSet(cutInStream, 0, 900, 10);
  ASSERT_FALSE(frames);
  EXPECT_NE(frames.error().message.find("Frame 0011"), std::string::npos) << frames.error().message;
  const Bytes cutInHeader(data.begin(), data.begin() + 4 + 17 + 13);
  frames = fishfile::readAnimationSet(cutInHeader, 0, 900, 0);
  ASSERT_FALSE(frames);
  EXPECT_NE(frames.error().message.find("Frame 0001"), std::string::npos) << frames.error().message;
}

}  // namespace
