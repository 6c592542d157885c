#include "base/bmp.hpp"

#include <gtest/gtest.h>

#include "support/test_files.hpp"

namespace {

using base::Bytes;

TEST(Write8BitBmp, WholeFile) {
  base::Palette palette{};
  for (int i = 0; i < 256; ++i)
    palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i / 2)};
  const Bytes file = base::write8BitBmp(2, 2, palette, Bytes{1, 2, 3, 4});  // top row 1 2

  Bytes expected = {'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0,   // 1086 bytes, pixels at 1078
                    40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,
                    8, 0, 0, 0, 0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 256; ++i)
    expected.insert(expected.end(), {static_cast<std::uint8_t>(i / 2), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i), 0});
  expected.insert(expected.end(), {3, 4, 0, 0, 1, 2, 0, 0});  // bottom row first, padded to 4
  EXPECT_EQ(file, expected);
}

// A 3 × 2 bitmap with a two-entry palette, so that its pixels start at 62, not 1078.
Bytes smallBitmap(std::int32_t height, const Bytes& rows) {
  Bytes out(62, 0);
  out[0] = 'B', out[1] = 'M';
  testfiles::set32(out, 2, static_cast<std::uint32_t>(62 + rows.size()));
  testfiles::set32(out, 10, 62);
  testfiles::set32(out, 14, 40);
  testfiles::set32(out, 18, 3);
  testfiles::set32(out, 22, static_cast<std::uint32_t>(height));
  testfiles::set16(out, 26, 1);
  testfiles::set16(out, 28, 8);
  out.insert(out.end(), rows.begin(), rows.end());
  return out;
}

TEST(Read8BitPixels, RowOrders) {
  const Bytes pixels = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(base::read8BitPixels(smallBitmap(2, {4, 5, 6, 0, 1, 2, 3, 0})).value(), pixels);
  EXPECT_EQ(base::read8BitPixels(smallBitmap(-2, {1, 2, 3, 0, 4, 5, 6, 0})).value(), pixels);
}

TEST(Read8BitPixels, Refusals) {
  const Bytes good = smallBitmap(2, {4, 5, 6, 0, 1, 2, 3, 0});
  EXPECT_FALSE(base::read8BitPixels(Bytes(good.begin(), good.end() - 1)));
  Bytes fourBit = good;
  fourBit[28] = 4;
  EXPECT_FALSE(base::read8BitPixels(fourBit));
  Bytes compressed = good;
  compressed[30] = 1;
  EXPECT_FALSE(base::read8BitPixels(compressed));
  Bytes notBitmap = good;
  notBitmap[1] = 'X';
  EXPECT_FALSE(base::read8BitPixels(notBitmap));
}

}  // namespace
