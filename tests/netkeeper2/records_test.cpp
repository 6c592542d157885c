// Finding the records of an extended-edition tank: markers, kind names, name block, base.
#include <gtest/gtest.h>

#include <cstring>

#include "netkeeper2/grid.hpp"
#include "netkeeper2/wtk_records.hpp"
#include "samples/wtk.hpp"
#include "ui/number_box.hpp"

namespace {

using namespace netkeeper2;
using samples::WtkFish;
using samples::WtkMarker;
using samples::WtkSex;

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

TEST(WtkGrid, ShowsEveryRecordWithItsFloorRules) {
  auto tank = samples::sampleWtk();
  ASSERT_TRUE(tank);
  auto rows = fillGrid(*tank, base::CodePage::Cp932);
  // "neon" is not a kind: seven rows.
  ASSERT_EQ(rows.size(), 7u);
  using Cells = GridCells;
  EXPECT_EQ(rows[0].cells, (Cells{"NEON", "ネオン", "30", "87.5", "75", "40.25", "60", "male", "1.5", "0"}));
  EXPECT_EQ(rows[1].cells, (Cells{"CARDINAL", "Rosa", "12.5", "99", "25", "20", "80", "female", "2", "0"}));
  EXPECT_EQ(rows[2].cells, (Cells{"GREENNEON", "Midori", "400", "55.125", "50", "70", "30", "male", "3", "0"}));
  EXPECT_EQ(rows[3].cells[kSex - 1], "egg");
  EXPECT_EQ(rows[3].cells[kEgg - 1], "100");
  EXPECT_EQ(rows[4].cells[kEgg - 1], "37");
  // PANDA's sex field holds 50: no base, names only.
  EXPECT_FALSE(rows[5].base);
  EXPECT_EQ(rows[5].cells, (Cells{"PANDA", "Pan", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(rows[6].cells[kKind - 1], "golden_butterfly");
}

TEST(WtkGrid, ShownNumbersAreCutNotRounded) {
  EXPECT_EQ(ui::decimalText(0, 3), "0");
  EXPECT_EQ(ui::decimalText(1999, 3), "1.999");
  EXPECT_EQ(ui::decimalText(-1, 3), "-0.001");
  EXPECT_EQ(ui::decimalText(505, 1), "50.5");
  std::vector<WtkFish> fish = {{WtkMarker::First, "RURI", "x", "", WtkSex::Male, 1439, 0.1f, 3, 1, 99.9999f, -0.0005f, 0}};
  auto row = fillGrid(samples::makeWtk(fish), base::CodePage::Cp932).at(0);
  EXPECT_EQ(row.cells[kAge - 1], "0.999");      // 1439 minutes
  EXPECT_EQ(row.cells[kHealth - 1], "0.1");     // single 0.1 is a hair above 0.1
  EXPECT_EQ(row.cells[kFullness - 1], "33.3");  // 1 of 3
  EXPECT_EQ(row.cells[kCourage - 1], "99.999");
  EXPECT_EQ(row.cells[kPower - 1], "-0.001");
  fish[0].capacity = 0;
  EXPECT_EQ(fillGrid(samples::makeWtk(fish), base::CodePage::Cp932).at(0).cells[kFullness - 1], "0");
}

TEST(WtkGrid, HoldsAtMost501Rows) {
  std::vector<WtkFish> fish(600, WtkFish{WtkMarker::FormB, "ROLY", "x", "", WtkSex::Male});
  fish[0].marker = WtkMarker::First;
  EXPECT_EQ(fillGrid(samples::makeWtk(fish), base::CodePage::Cp932).size(), kMaxGridRows);
}

}  // namespace
