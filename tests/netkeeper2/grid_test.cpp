// The detail grid: every record with its floor rules, the numbers cut, the row limit.
#include <gtest/gtest.h>

#include "netkeeper2/grid.hpp"
#include "samples/wtk.hpp"
#include "ui/number_box.hpp"

namespace {

using namespace netkeeper2;
using samples::WtkFish;
using samples::WtkMarker;
using samples::WtkSex;

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
