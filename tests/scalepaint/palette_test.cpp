// The palette table: reading cells, INIT and FILL, and the palette file both ways.
#include "scalepaint/palette.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using scalepaint::Cells;

base::ByteSpan bytesOf(const std::string& text) { return base::asBytes(text); }

// 256 lines made by the caller's rule for line n (0-255).
template <class Line>
std::string lines(Line line, std::size_t count = 256) {
  std::string text;
  for (std::size_t n = 0; n < count; ++n) text += line(n);
  return text;
}

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

TEST(PaletteFile, WrittenAsNumericPrintItems) {
  scalepaint::Table table = scalepaint::identityTable();
  table[1] = 200;
  const std::string text = scalepaint::paletteFileText(table);
  EXPECT_EQ(text.substr(0, 19), " 0 \r\n 200 \r\n 2 \r\n 3");
  EXPECT_EQ(text.substr(text.size() - 14), " 254 \r\n 255 \r\n");
  // 10 one-digit, 90 two-digit and 156 three-digit entries, with the line 1 change (+2).
  EXPECT_EQ(text.size(), 10u * 5 + 90 * 6 + 156 * 7 + 2);
}

TEST(PaletteFile, ReadWithOrWithoutBlanksCommasAndLineEnds) {
  auto expectIdentityPlus = [](const std::string& text, std::uint8_t first) {
    auto table = scalepaint::parsePaletteFile(bytesOf(text));
    ASSERT_TRUE(table) << table.error().message;
    EXPECT_EQ((*table)[0], first);
    for (std::size_t i = 1; i < 256; ++i) ASSERT_EQ((*table)[i], i) << text.substr(0, 40);
  };
  expectIdentityPlus(lines([](std::size_t n) { return " " + std::to_string(n) + " \r\n"; }), 0);
  expectIdentityPlus(lines([](std::size_t n) { return std::to_string(n) + "\n"; }), 0);
  expectIdentityPlus(lines([](std::size_t n) { return "\t " + std::to_string(n) + ", note " + std::to_string(n + 7) + "\r\n"; }), 0);
  // No line end after the last line; lines past the 256th are not read.
  std::string unended = lines([](std::size_t n) { return std::to_string(n) + "\r\n"; });
  expectIdentityPlus(unended.substr(0, unended.size() - 2), 0);
  expectIdentityPlus(unended + "junk\r\nmore\r\n", 0);
  expectIdentityPlus("+3\r\n" + unended.substr(3), 3);
}

TEST(PaletteFile, RefusalsNameTheLine) {
  auto refusal = [](const std::string& text) {
    auto table = scalepaint::parsePaletteFile(bytesOf(text));
    return table ? std::string("accepted") : table.error().message;
  };
  auto numbers = [](std::size_t n) { return std::to_string(n) + "\r\n"; };
  EXPECT_EQ(refusal(lines(numbers, 255)), "it ends after 255 lines, but it must hold 256, one entry each");
  EXPECT_EQ(refusal(""), "it ends after 0 lines, but it must hold 256, one entry each");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 9 ? std::string("abc\r\n") : std::to_string(n) + "\r\n"; })),
            "line 10 holds \"abc\", not a whole number");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 9 ? std::string(" 3.7 \r\n") : std::to_string(n) + "\r\n"; })),
            "line 10 holds \"3.7\", not a whole number");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 3 ? std::string("\r\n") : std::to_string(n) + "\r\n"; })),
            "line 4 holds \"\", not a whole number");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 255 ? std::string("256\r\n") : std::to_string(n) + "\r\n"; })),
            "line 256 holds 256, but every entry must be from 0 to 255");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 0 ? std::string("-1\r\n") : std::to_string(n) + "\r\n"; })),
            "line 1 holds -1, but every entry must be from 0 to 255");
  EXPECT_EQ(refusal(lines([](std::size_t n) { return n == 0 ? std::string("99999999999999999999999\n") : std::to_string(n) + "\n"; })),
            "line 1 holds 99999999999999999999999, but every entry must be from 0 to 255");
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
