// Bitmaps decoded without Qt, and PNG pictures written without it.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "base/bytes.hpp"
#include "image/bmp_decode.hpp"
#include "image/png_write.hpp"

namespace {

using base::Bytes;
using Kind = image::BmpError::Kind;

// A bitmap with a 40-byte header: palette entries as 0xRRGGBB, then the pixel bytes as stored.
Bytes bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression,
             const std::vector<std::uint32_t>& palette, const Bytes& pixels) {
  Bytes out = {'B', 'M'};
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  base::appendU32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  base::appendU32(out, 0);
  base::appendU32(out, offset);
  for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) base::appendU32(out, v);
  base::appendU16(out, 1);
  base::appendU16(out, bits);
  base::appendU32(out, compression);
  base::appendU32(out, static_cast<std::uint32_t>(pixels.size()));
  for (std::uint32_t v : {0u, 0u, static_cast<std::uint32_t>(palette.size()), 0u}) base::appendU32(out, v);
  for (std::uint32_t rgb : palette) base::appendU32(out, rgb);
  base::appendBytes(out, pixels);
  return out;
}

std::vector<std::uint32_t> pixelsOf(const Bytes& file) {
  auto picture = image::decodeBmp(file);
  EXPECT_TRUE(picture) << picture.error().message;
  return picture ? picture->pixels : std::vector<std::uint32_t>{};
}

constexpr std::uint32_t K = 0xFF000000, R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF;

TEST(BmpDecode, EveryLayoutGivesTheSamePicture) {
  // 3 × 2: red, green, blue over white, black, white.
  const std::vector<std::uint32_t> expected = {R, G, B, W, K, W};
  const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  EXPECT_EQ(pixelsOf(bitmap(3, 2, 8, 0, palette, {4, 0, 4, 0, 1, 2, 3, 0})), expected);
  EXPECT_EQ(pixelsOf(bitmap(3, -2, 8, 0, palette, {1, 2, 3, 0, 4, 0, 4, 0})), expected);  // top-down
  EXPECT_EQ(pixelsOf(bitmap(3, 2, 4, 0, palette, {0x40, 0x40, 0, 0, 0x12, 0x30, 0, 0})), expected);
  EXPECT_EQ(pixelsOf(bitmap(3, 2, 24, 0, {}, {255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0,  //
                                                  0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0})),
            expected);
  // Run-length coded, 8 bits: a run, an escape run padded to a word, and the end marks.
  EXPECT_EQ(pixelsOf(bitmap(3, 2, 8, 1, palette, {1, 4, 1, 0, 1, 4, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1})), expected);
  // 4 bits: two alternating colours, a jump over the black pixel's row part, and the end.
  const std::vector<std::uint32_t> jumped = {R, G, B, W, K, W};
  EXPECT_EQ(pixelsOf(bitmap(3, 2, 4, 2, palette, {1, 0x40, 0, 2, 1, 0, 1, 0x40, 0, 0, 0, 3, 0x12, 0x30, 0, 1})), jumped);
  // 16 bits, 5-5-5: a full channel reads 248, as the windows have always shown it.
  EXPECT_EQ(pixelsOf(bitmap(1, 1, 16, 0, {}, {0xFF, 0x7F, 0, 0})), std::vector<std::uint32_t>{0xFFF8F8F8});
}

TEST(BmpDecode, MalformedBitmapsAreRefusedWithTheirReason) {
  const std::vector<std::uint32_t> two = {0, 0xFFFFFF};
  struct Case {
    const char* what;
    Bytes file;
    Kind kind;
  };
  Bytes tooManyColours = bitmap(1, 1, 8, 0, two, {0, 0, 0, 0});
  tooManyColours[46] = 0x2C, tooManyColours[47] = 0x01;  // 300 colours
  const Case cases[] = {
      {"7 bits a pixel", bitmap(2, 2, 7, 0, {}, Bytes(8)), Kind::Unreadable},
      {"run-length at 24 bits", bitmap(2, 2, 24, 1, {}, Bytes(16)), Kind::Unreadable},
      {"no pixels after the header", bitmap(1, 1, 24, 0, {}, {}), Kind::Unreadable},
      {"300 colours", tooManyColours, Kind::Unreadable},
      {"a run without its colour", bitmap(4, 1, 8, 1, two, {4}), Kind::Truncated},
      {"a jump without its distances", bitmap(4, 1, 8, 1, two, {0, 2, 1}), Kind::Truncated},
      {"20,000 × 20,000", bitmap(20000, 20000, 8, 1, two, {0, 1}), Kind::TooLarge},
      {"no signature", Bytes{'X', 'Y'}, Kind::Unreadable},
  };
  for (const auto& c : cases) {
    auto picture = image::decodeBmp(c.file);
    ASSERT_FALSE(picture) << c.what;
    EXPECT_EQ(picture.error().kind, c.kind) << c.what << ": " << picture.error().message;
  }
  // Rows the data ends before are colour 0, as the windows have always shown them.
  EXPECT_EQ(pixelsOf(bitmap(2, 2, 8, 0, {0x0000FF, 0xFF0000}, {1, 1, 0, 0})), (std::vector<std::uint32_t>{B, B, R, R}));
}

TEST(BmpDecode, EveryPixelIsDefinedAndTheSameBytesGiveTheSamePicture) {
  const std::vector<std::uint32_t> palette = {0x0000FF, 0xFF0000};
  // 4 × 3 run-length codes: a jump over pixels of the bottom row and up a row, a run of an
  // index past the palette, then the codes end without their end mark.
  const Bytes cut = bitmap(4, 3, 8, 1, palette, {1, 1, 0, 2, 2, 1, 1, 7});
  const auto first = pixelsOf(cut);
  EXPECT_EQ(first, pixelsOf(cut));
  EXPECT_EQ(first, (std::vector<std::uint32_t>{B, B, B, B, B, B, B, K, R, B, B, B}));
  // An OS/2 header of version 2 cut to 16 bytes: 32-bit size, planes, bits; 4-byte palette entries.
  Bytes os2 = {'B', 'M'};
  for (std::uint32_t v : {14u + 16 + 8 + 4, 0u, 14u + 16 + 8, 16u, 2u, 1u}) base::appendU32(os2, v);
  base::appendU16(os2, 1);
  base::appendU16(os2, 1);
  for (std::uint32_t bgr : {0x0000FFu, 0x00FF00u}) base::appendU32(os2, bgr);
  base::appendBytes(os2, Bytes{0x80, 0, 0, 0});
  EXPECT_EQ(pixelsOf(os2), (std::vector<std::uint32_t>{G, B}));
}

TEST(PngWrite, RowsAreStoredAsRgbOrRgba) {
  image::Picture picture{2, 1, false, {0xFF102030, 0x80405060}};
  for (bool alpha : {false, true}) {
    picture.alpha = alpha;
    auto png = image::pngBytes(picture);
    ASSERT_TRUE(png);
    const Bytes head(png->begin(), png->begin() + 33);
    Bytes expected = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                      0, 0, 0, 2, 0, 0, 0, 1, 8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0};
    ASSERT_EQ(Bytes(head.begin(), head.begin() + 29), expected);
    // The IDAT chunk follows: one unfiltered row.
    const std::size_t length = static_cast<std::size_t>((*png)[33]) << 24 | (*png)[34] << 16 | (*png)[35] << 8 | (*png)[36];
    ASSERT_EQ(std::string(png->begin() + 37, png->begin() + 41), "IDAT");
    Bytes raw(16);
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, png->data() + 41, static_cast<uLong>(length)), Z_OK);
    raw.resize(rawSize);
    const Bytes rgba = {0, 0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0x80}, rgb = {0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    EXPECT_EQ(raw, alpha ? rgba : rgb);
    EXPECT_EQ(std::string(png->end() - 8, png->end() - 4), "IEND");
  }
}

}  // namespace
