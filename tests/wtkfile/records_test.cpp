// Finding the records of an extended-edition tank: markers, kind names, name block, base.
#include <gtest/gtest.h>

#include <cstring>

#include "wtkfile/records.hpp"

namespace {

using namespace wtkfile;

void put(base::Bytes& image, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
  for (auto b : bytes) image[at++] = b;
}
void putText(base::Bytes& image, std::size_t at, std::string_view text) { std::memcpy(image.data() + at, text.data(), text.size()); }

TEST(WtkRecords, FirstRecordFromOffset500WithKindNamesMatchedAsPrefixes) {
  base::Bytes image(2000, 0);
  put(image, 100, {0x80, 0x3F, 0x07, 0, 0, 0, 1});  // before 500: never looked at
  putText(image, 110, "PANDA");
  put(image, 600, {0x80, 0x3F, 0x07, 0, 0, 0, 1});
  putText(image, 610, "neon");  // names are compared case-sensitively
  put(image, 700, {0x80, 0x3F, 0x55, 0, 0, 0, 1});
  putText(image, 710, "NEONTETRA");
  auto first = findFirstRecord(image);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->k, 710u);
  EXPECT_EQ(first->kind, "NEON");
  // "GREENNEON" is its own name, not "green" (case) nor "NEON" (it does not start with it).
  putText(image, 710, "GREENNEONS");
  EXPECT_EQ(findFirstRecord(image)->kind, "GREENNEON");
}

TEST(WtkRecords, NextRecordTriesFormABeforeFormBAndStopsThirtyBytesBeforeTheEnd) {
  base::Bytes image(1000, 0);
  put(image, 500, {0x80, 0x3F, 0x01, 0, 0, 0, 1});
  putText(image, 510, "RURI");
  // At 600 both forms could apply (xx = 00): form a's name place K = 611 holds a name.
  put(image, 600, {0x80, 0x3F, 0x00, 0, 0, 0, 0});
  putText(image, 611, "ROLY");
  put(image, 700, {0x80, 0x3F, 0x00, 0, 0, 0, 1});  // form b: name at 710
  putText(image, 710, "KURENAI");
  put(image, 971, {0x80, 0x3F, 0x00, 0, 0, 0, 1});  // 971 > 1000 - 30: past the scan
  putText(image, 981, "PANDA");
  auto first = findFirstRecord(image);
  ASSERT_TRUE(first);
  auto second = findNextRecord(image, first->k);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->k, 611u);
  EXPECT_EQ(second->kind, "ROLY");
  auto third = findNextRecord(image, second->k);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->k, 710u);
  EXPECT_FALSE(findNextRecord(image, third->k));
  put(image, 970, {0x80, 0x3F, 0x00, 0, 0, 0, 1});  // 970 = 1000 - 30: the last place looked at
  putText(image, 980, "PANDA");
  EXPECT_EQ(findNextRecord(image, third->k)->k, 980u);
}

TEST(WtkRecords, ShortFilesHaveNoRecords) {
  for (std::size_t size : {0u, 1u, 29u, 30u, 531u}) EXPECT_FALSE(findFirstRecord(base::Bytes(size, 0x80))) << size;
}

TEST(WtkRecords, NameBlockHoldsKindSecondTextAndNickname) {
  base::Bytes image(700, 0);
  putText(image, 500, "NEON");
  putText(image, 505, "tetra");
  putText(image, 515, "\x83\x6C\x83\x49\x83\x93");  // j = 10, nickname at K + 15
  auto names = readNameBlock(image, 500);
  EXPECT_EQ(names.kind, "NEON");
  EXPECT_EQ(names.nickname, "\x83\x6C\x83\x49\x83\x93");
  // No zero in the first 32 bytes, none in the next: the nickname starts at K + 69 and ends at K + 100.
  base::Bytes full(700, 'A');
  names = readNameBlock(full, 500);
  EXPECT_EQ(names.kind, std::string(32, 'A'));
  EXPECT_EQ(names.nickname, std::string(31, 'A'));
  // The block reads zeros past the end of a short image.
  EXPECT_EQ(readNameBlock(full, 690).kind, std::string(10, 'A'));
}

TEST(WtkRecords, BaseIsTheFirstSexOrEggPatternFrom96To224) {
  base::Bytes image(1000, 0);
  const std::size_t k = 500;
  EXPECT_FALSE(findBase(image, k));
  put(image, k + 224, {0x9C, 0xFF, 0xFF, 0xFF});
  // 00 9C FF FF FF is also the egg pattern, one place earlier, and the egg is found first.
  EXPECT_EQ(findBase(image, k)->b, k + 224);
  EXPECT_EQ(findBase(image, k)->kind, BaseKind::Egg);
  image[k + 222] = image[k + 223] = 0x07;  // neither place can start the egg pattern now
  EXPECT_EQ(findBase(image, k)->b, k + 224);
  EXPECT_EQ(findBase(image, k)->kind, BaseKind::Female);
  put(image, k + 150, {0x64, 0, 0, 0});
  EXPECT_EQ(findBase(image, k)->b, k + 150);
  EXPECT_EQ(findBase(image, k)->kind, BaseKind::Male);
  put(image, k + 120, {0x00, 0x12, 0x34, 0xFF, 0xFF});  // egg: base one byte further
  EXPECT_EQ(findBase(image, k)->b, k + 121);
  EXPECT_EQ(findBase(image, k)->kind, BaseKind::Egg);
  put(image, k + 95, {0x64, 0, 0, 0});  // d = 95 is not looked at
  EXPECT_EQ(findBase(image, k)->b, k + 121);
  base::Bytes late(1000, 0);
  put(late, k + 225, {0x64, 0, 0, 0});  // nor is d = 225
  EXPECT_FALSE(findBase(late, k));
}

}  // namespace
