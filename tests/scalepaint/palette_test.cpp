// The palette grid: reading cells, INIT and FILL, and a table saved and opened back as rows.
#include "scalepaint/palette.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using scalepaint::Cells;

base::ByteSpan bytesOf(const std::string& text) { return base::asBytes(text); }

TEST(PaletteCells, ReadingACell) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"7", 7}, Case{"  12", 12}, Case{"12abc", 12}, Case{"", 0}, Case{"abc", 0},
                        Case{"2.5", 2}, Case{"3.5", 4}, Case{"3.7", 4}, Case{"-0.4", 0}, Case{"255.4", 255},
                        Case{"255.5", 256}, Case{"-3", -3}})
    EXPECT_EQ(scalepaint::cellValue(c.text), c.value) << c.text;
}

TEST(PaletteCells, InitFillAndTheirTexts) {
  const Cells identity = scalepaint::identityCells();
  EXPECT_EQ(identity[0], "0");
  EXPECT_EQ(identity[100], "100");
  EXPECT_EQ(identity[255], "255");

  struct Case {
    const char* first;
    const char* filled;
  };
  for (const Case& c : {Case{"12abc", "12"}, Case{"", "0"}, Case{"7", "7"}, Case{"7.50", "7.5"}, Case{"3.7", "3.7"},
                        Case{" 007", "7"}, Case{"-0", "0"}, Case{"-2.25", "-2.25"}, Case{"1e3", "1"}}) {
    const Cells filled = scalepaint::filledCells(c.first);
    for (const auto& cell : filled) ASSERT_EQ(cell, c.filled) << c.first;
  }
}

TEST(PaletteCells, TablesFromCells) {
  Cells cells = scalepaint::identityCells();
  cells[0] = "999";
  cells[5] = "9.4";
  auto applied = scalepaint::readCells(cells, scalepaint::EntryZero::Forced);
  ASSERT_TRUE(applied);
  EXPECT_EQ((*applied)[0], 0);  // row 1 is not looked at when applying
  EXPECT_EQ((*applied)[5], 9);
  EXPECT_EQ((*applied)[255], 255);

  auto saved = scalepaint::readCells(cells, scalepaint::EntryZero::FromCell);
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.error().message, "Row 1 of the palette holds \"999\": every entry must be a whole number from 0 to 255.");

  cells[0] = "0";
  cells[200] = "-1";
  auto negative = scalepaint::readCells(cells, scalepaint::EntryZero::Forced);
  ASSERT_FALSE(negative);
  EXPECT_NE(negative.error().message.find("Row 201"), std::string::npos);
  cells[200] = "255.5";  // rounds to 256
  EXPECT_FALSE(scalepaint::readCells(cells, scalepaint::EntryZero::Forced));
  cells[200] = "255.49";
  EXPECT_TRUE(scalepaint::readCells(cells, scalepaint::EntryZero::Forced));
}

TEST(PaletteFile, SavedAndOpenedBackGivesTheSameRows) {
  Cells cells = scalepaint::identityCells();
  cells[3] = "3.7";
  cells[4] = "250abc";
  cells[5] = "";
  auto table = scalepaint::readCells(cells, scalepaint::EntryZero::FromCell);
  ASSERT_TRUE(table);
  auto back = scalepaint::parsePaletteFile(bytesOf(scalepaint::paletteFileText(*table)));
  ASSERT_TRUE(back);
  const Cells rows = scalepaint::cellsOf(*back);
  EXPECT_EQ(rows[3], "4");
  EXPECT_EQ(rows[4], "250");
  EXPECT_EQ(rows[5], "0");
  EXPECT_EQ(rows[6], "6");
}

}  // namespace
