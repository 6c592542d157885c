// The gravel file against its layout table, byte for byte: the expected files are put
// together here offset by offset, independently of the resource-file writer.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "gravelfile/gravelfile.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  put16(b, at, v);
  put16(b, at + 2, v >> 16);
}
void putText(Bytes& b, std::size_t at, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) b[at + i] = static_cast<std::uint8_t>(text[i]);
}

// A "bitmap" of n bytes: "BM", a size field, then a counting pattern.
Bytes bitmap(std::size_t n, std::uint32_t sizeField) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, sizeField);
  return b;
}
Bytes bitmap(std::size_t n) { return bitmap(n, static_cast<std::uint32_t>(n)); }

// The file as the layout table gives it. headerText empty: gritwright's header constants.
Bytes expected(const Bytes& surface, const Bytes& aspect, std::uint16_t height, std::uint16_t length,
               const std::string& headerText = {}) {
  const std::size_t s = surface.size(), a = aspect.size(), X = 276 + s + a;
  Bytes f(X + 109, 0);
  put32(f, 0, 256);
  put32(f, 4, static_cast<std::uint32_t>(X));
  put32(f, 8, static_cast<std::uint32_t>(X - 256));
  put32(f, 12, 109);
  if (headerText.empty()) {
    putText(f, 16, "rGrB");
    f[20] = 0xDC;
    f[21] = 0x05;
    put16(f, 24, 1);
    put16(f, 26, 2);
    put16(f, 28, 1);
    put16(f, 30, 0xFFFF);
  } else {
    putText(f, 16, headerText);
  }
  put32(f, 256, 8);
  put16(f, 260, height);
  put16(f, 262, length);
  for (int i = 0; i < 4; ++i) f[268 + static_cast<std::size_t>(i)] = surface[2 + static_cast<std::size_t>(i)];
  std::copy(surface.begin(), surface.end(), f.begin() + 272);
  for (int i = 0; i < 4; ++i) f[272 + s + static_cast<std::size_t>(i)] = aspect[2 + static_cast<std::size_t>(i)];
  std::copy(aspect.begin(), aspect.end(), f.begin() + static_cast<std::ptrdiff_t>(276 + s));
  // The map.
  for (std::size_t i = 0; i < 16; ++i) f[X + i] = f[i];
  put16(f, X + 24, 30);
  put16(f, X + 26, 90);
  put16(f, X + 28, 2);
  putText(f, X + 30, "lvrG");
  put16(f, X + 36, 24);
  putText(f, X + 38, "PDAB");
  put16(f, X + 44, 36);
  putText(f, X + 46, "CPAB");
  put16(f, X + 52, 48);
  f[X + 54] = 0xB4;  // 4020
  f[X + 55] = 0x0F;
  put16(f, X + 66, 4020);
  put16(f, X + 68, 0xFFFF);
  f[X + 70] = 12;
  put16(f, X + 78, 4020);
  put16(f, X + 80, 0xFFFF);
  const std::size_t aspectOffset = s + 16;
  f[X + 82] = static_cast<std::uint8_t>(aspectOffset);
  f[X + 83] = static_cast<std::uint8_t>(aspectOffset >> 8);
  f[X + 84] = static_cast<std::uint8_t>(aspectOffset >> 16);
  f[X + 90] = 18;
  putText(f, X + 91, "Custom Gravel Info");
  return f;
}

std::uint32_t u32At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16)) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(GravelFile, WorkedExampleOf1078And2102Bytes) {
  const Bytes surface = bitmap(1078), aspect = bitmap(2102);
  auto file = gravelfile::buildGravelFile(surface, aspect, 57, 90);
  ASSERT_TRUE(file) << file.error().message;
  ASSERT_EQ(file->size(), 3565u);
  EXPECT_EQ(u32At(*file, 4), 3456u);
  EXPECT_EQ(u32At(*file, 8), 3200u);
  EXPECT_EQ((*file)[3456 + 82] | ((*file)[3456 + 83] << 8) | ((*file)[3456 + 84] << 16), 1094);
  EXPECT_EQ(*file, expected(surface, aspect, 57, 90));
}

TEST(GravelFile, DimensionsAreStoredLowByteFirst) {
  const Bytes surface = bitmap(60), aspect = bitmap(70);
  auto file = gravelfile::buildGravelFile(surface, aspect, 0x1234, 65535);
  ASSERT_TRUE(file);
  EXPECT_EQ((*file)[260], 0x34);
  EXPECT_EQ((*file)[261], 0x12);
  EXPECT_EQ(*file, expected(surface, aspect, 0x1234, 65535));
}

TEST(GravelFile, TheSameBitmapOnBothSidesIsHeldTwice) {
  const Bytes both = bitmap(1078);
  auto file = gravelfile::buildGravelFile(both, both, 57, 90);
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, expected(both, both, 57, 90));
}

TEST(GravelFile, ADisagreeingSizeFieldIsCopiedAndTheBitmapKeptWhole) {
  // 500 bytes claiming 9,999, and 6 bytes claiming 0: the counts say what the fields say.
  const Bytes surface = bitmap(500, 9999), aspect = bitmap(6, 0);
  auto file = gravelfile::buildGravelFile(surface, aspect, 1, 2);
  ASSERT_TRUE(file) << file.error().message;
  EXPECT_EQ(u32At(*file, 268), 9999u);
  EXPECT_EQ(u32At(*file, 272 + 500), 0u);
  EXPECT_EQ(*file, expected(surface, aspect, 1, 2));
}

TEST(GravelFile, GritpressHeaderTextReplacesTheConstants) {
  const Bytes surface = bitmap(1078), aspect = bitmap(2102);
  auto file = gravelfile::buildGravelFile(surface, aspect, 57, 50, gravelfile::kVersion2HeaderText);
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, expected(surface, aspect, 57, 50, "Version 2.0 Resource File"));
  EXPECT_FALSE(gravelfile::buildGravelFile(surface, aspect, 0, 0, std::string(241, 'x')));
}

TEST(GravelFile, RefusesBitmapsTooShortForTheirSizeField) {
  const Bytes good = bitmap(100);
  for (std::size_t n : {0, 1, 5}) {
    const Bytes shortOne(n, 'B');
    auto surface = gravelfile::buildGravelFile(shortOne, good, 57, 90);
    ASSERT_FALSE(surface) << n;
    EXPECT_NE(surface.error().message.find("surface"), std::string::npos);
    auto aspect = gravelfile::buildGravelFile(good, shortOne, 57, 90);
    ASSERT_FALSE(aspect) << n;
    EXPECT_NE(aspect.error().message.find("aspect"), std::string::npos);
  }
}

TEST(GravelFile, RefusesAFileBeyondTheReachOf24BitOffsets) {
  // 276 + s + a + 109 bytes must stay below 16,777,216.
  const std::size_t room = 16'777'215 - 385;
  const Bytes surface = bitmap(room - 100);
  EXPECT_TRUE(gravelfile::buildGravelFile(surface, bitmap(100), 0, 0));
  EXPECT_FALSE(gravelfile::buildGravelFile(surface, bitmap(101), 0, 0));
}

// The box texts' cases are in the flow's tests; these are the values no text reaches easily.
TEST(GravelFile, DimensionsClampAtTheEdges) {
  EXPECT_EQ(gravelfile::clampDimension(-0.5), 0);
  EXPECT_EQ(gravelfile::clampDimension(65535.4), 65535);
  EXPECT_EQ(gravelfile::clampDimension(70000), 65535);
  EXPECT_EQ(gravelfile::clampDimension(1e300), 65535);
  EXPECT_EQ(gravelfile::clampDimension(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
