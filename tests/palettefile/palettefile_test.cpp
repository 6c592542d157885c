// The palette file both ways: its text, and reading it with blanks, commas and refusals.
#include "palettefile/palettefile.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

base::ByteSpan bytesOf(const std::string& text) { return base::asBytes(text); }

// 256 lines made by the caller's rule for line n (0-255).
template <class Line>
std::string lines(Line line, std::size_t count = 256) {
  std::string text;
  for (std::size_t n = 0; n < count; ++n) text += line(n);
  return text;
}

TEST(PaletteFile, WrittenAsNumericPrintItems) {
  palettefile::Table table = palettefile::identityTable();
  table[1] = 200;
  const std::string text = palettefile::paletteFileText(table);
  EXPECT_EQ(text.substr(0, 19), " 0 \r\n 200 \r\n 2 \r\n 3");
  EXPECT_EQ(text.substr(text.size() - 14), " 254 \r\n 255 \r\n");
  // 10 one-digit, 90 two-digit and 156 three-digit entries, with the line 1 change (+2).
  EXPECT_EQ(text.size(), 10u * 5 + 90 * 6 + 156 * 7 + 2);
}

TEST(PaletteFile, ReadWithOrWithoutBlanksCommasAndLineEnds) {
  auto expectIdentityPlus = [](const std::string& text, std::uint8_t first) {
    auto table = palettefile::parsePaletteFile(bytesOf(text));
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
    auto table = palettefile::parsePaletteFile(bytesOf(text));
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
  // A long entry is quoted by characters, never cut inside one.
  std::string wide;
  for (int i = 0; i < 41; ++i) wide += "\xC3\xA9";
  EXPECT_EQ(palettefile::shownEntry(wide), wide.substr(0, 80) + "...");
}

}  // namespace
