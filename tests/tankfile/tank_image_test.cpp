// The tank image: the size limit, reads outside the file, the ID counter and the save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/file_io.hpp"
#include "support/test_folder.hpp"
#include "tankfile/tank_image.hpp"

namespace {

using base::Bytes;
using tankfile::TankImage;

TankImage imageOf(Bytes bytes) {
  auto image = TankImage::fromBytes(std::move(bytes));
  EXPECT_TRUE(image.has_value());
  return image ? std::move(*image) : TankImage{};
}

TEST(TankImage, IncrementsIdsWithCarryThroughFourBytes) {
  struct Case {
    Bytes before, after;
  } cases[] = {
      {{0x12, 0x34, 0x56, 0x78}, {0x13, 0x34, 0x56, 0x78}},
      {{0xFF, 0x00, 0x00, 0x00}, {0x00, 0x01, 0x00, 0x00}},
      {{0xFF, 0xFF, 0xFE, 0x07}, {0x00, 0x00, 0xFF, 0x07}},
      {{0xFF, 0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    Bytes file = {0xAA};
    file.insert(file.end(), c.before.begin(), c.before.end());
    file.push_back(0xBB);
    TankImage image = imageOf(file);
    image.incrementId(1);
    Bytes expected = {0xAA};
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    expected.push_back(0xBB);
    EXPECT_EQ(Bytes(image.bytes().begin(), image.bytes().end()), expected);
  }
}

TEST(TankImage, ReadsZeroOutsideTheFileAndTellsWhatItHolds) {
  TankImage image = imageOf({0x01, 0x02, 0x03});
  EXPECT_EQ(image.byteAt(-1), 0);
  EXPECT_EQ(image.byteAt(2), 3);
  EXPECT_EQ(image.byteAt(3), 0);
  EXPECT_EQ(image.u32At(1), 0x0302u);  // the fourth and fifth bytes lie past the end
  EXPECT_EQ(image.u32At(-2), 0x02010000u);
  EXPECT_TRUE(image.holds(0, 3));
  EXPECT_TRUE(image.holds(3, 0));
  EXPECT_FALSE(image.holds(1, 3));
  EXPECT_FALSE(image.holds(-1, 1));
}

TEST(TankImage, RefusesAFileLongerThanTheImageWithAMessage) {
  test::TempFolder folder;
  const auto big = folder.path() / "big.tqn";
  {
    std::ofstream out(big, std::ios::binary);
    out.seekp(static_cast<std::streamoff>(tankfile::kImageLimit));
    out.put('\x01');  // 10,000,001 bytes
  }
  auto refused = TankImage::load(big);
  ASSERT_FALSE(refused.has_value());
  EXPECT_NE(refused.error().message.find("10,000,001"), std::string::npos) << refused.error().message;
  EXPECT_NE(refused.error().message.find("10,000,000"), std::string::npos) << refused.error().message;

  std::filesystem::resize_file(big, tankfile::kImageLimit);
  auto loaded = TankImage::load(big);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->fileLength(), tankfile::kImageLimit);

  EXPECT_FALSE(TankImage::fromBytes(Bytes(tankfile::kImageLimit + 1)).has_value());
}

TEST(TankImage, SavesExactlyTheFilesBytesEvenOverTheOpenedFile) {
  test::TempFolder folder;
  const auto path = folder.path() / "lake.tqn";
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{1, 2, 3, 4, 5}));
  auto image = TankImage::load(path);
  ASSERT_TRUE(image.has_value());
  image->setByte(4, 9);
  image->setU32(0, 0x0A0B0C0D);
  ASSERT_TRUE(image->save(path).has_value());
  EXPECT_EQ(*base::readFile(path, 100), (Bytes{0x0D, 0x0C, 0x0B, 0x0A, 9}));
  // Nothing else is left in the folder: the write went through a temporary file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  // A folder that does not exist is told, not ignored.
  EXPECT_FALSE(image->save(folder.path() / "missing" / "x.tqn").has_value());
}

TEST(TankImage, RoundsNumbersForThirtyTwoBitFieldsHalvesToEven) {
  EXPECT_EQ(tankfile::roundToU32(26500.0), 26500u);
  EXPECT_EQ(tankfile::roundToU32(2.5), 2u);
  EXPECT_EQ(tankfile::roundToU32(3.5), 4u);
  EXPECT_EQ(tankfile::roundToU32(7899.6), 7900u);
  EXPECT_EQ(tankfile::roundToU32(-3.0), 0u);
  EXPECT_EQ(tankfile::roundToU32(1e12), 0xFFFFFFFFu);
}

}  // namespace
