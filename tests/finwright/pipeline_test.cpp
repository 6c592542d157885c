// Encoding one frame bitmap: the record it gives, and the bitmaps it refuses.
#include <gtest/gtest.h>

#include "base/bmp.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/system_palette.hpp"

namespace {

using base::Bytes;

Bytes bitmap(std::uint32_t width, std::uint32_t height, const Bytes& pixels) {
  return base::write8BitBmp(width, height, fishfile::systemPalette(), pixels);
}

TEST(EncodeFrameBitmap, GivesTheRecordOfTheRightToLeftRuns) {
  // Rows, top first: [5 6 0] and [0 0 7]. Stream order (each row right to left): 0 6 5 7 0 0.
  auto record = finwright::encodeFrameBitmap(bitmap(3, 2, {5, 6, 0, 0, 0, 7}));
  ASSERT_TRUE(record) << record.error().message;
  const Bytes expected = {0, 0, 0, 0, 2, 0, 3, 0, 3, 0, 11, 0, 0, 0,  // height 2, width 3, 3 runs, 11 bytes
                          0xFF, 0xFF, 0,                               // skip 1
                          3, 0, 6, 5, 7,                               // literal 3
                          0xFE, 0xFF, 0};                              // skip 2
  EXPECT_EQ(*record, expected);
}

TEST(EncodeFrameBitmap, ReadsRowsFromThePixelOffsetSoTrailingBytesDoNotShiftThem) {
  Bytes padded = bitmap(3, 2, {5, 6, 0, 0, 0, 7});
  padded.push_back(0);
  padded.push_back(0);
  EXPECT_EQ(*finwright::encodeFrameBitmap(padded), *finwright::encodeFrameBitmap(bitmap(3, 2, {5, 6, 0, 0, 0, 7})));
}

TEST(EncodeFrameBitmap, RefusesBitmapsItWouldMisread) {
  const Bytes good = bitmap(4, 2, Bytes(8, 9));
  auto refusal = [](Bytes file) {
    auto record = finwright::encodeFrameBitmap(file);
    return record ? std::string() : record.error().message;
  };
  EXPECT_EQ(refusal(good), "");
  Bytes deep = good;
  deep[28] = 24;
  EXPECT_NE(refusal(deep).find("24 bits"), std::string::npos);
  Bytes packed = good;
  packed[30] = 1;
  EXPECT_NE(refusal(packed).find("compressed"), std::string::npos);
  Bytes topDown = good;
  base::putU32(&topDown[22], static_cast<std::uint32_t>(-2));
  EXPECT_NE(refusal(topDown).find("top-down"), std::string::npos);
  Bytes wide = good;
  base::putU32(&wide[18], 40000);
  EXPECT_NE(refusal(wide).find("40000"), std::string::npos);
  Bytes shortened = good;
  shortened.resize(shortened.size() - 1);
  EXPECT_NE(refusal(shortened).find("too short"), std::string::npos);
  EXPECT_NE(refusal(Bytes{'X', 'Y', 1, 2}).find("not a bitmap"), std::string::npos);
}

}  // namespace
