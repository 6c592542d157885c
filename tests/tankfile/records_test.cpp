// The record searches, the water block and the fields read from a record, on hand-laid images.
#include <gtest/gtest.h>

#include "tankfile/records.hpp"
#include "tankfile/tank_builder.hpp"

namespace {

using base::Bytes;
using tankfile::TankImage;
using namespace testtank;

TEST(FirstFishRecord, SearchesFromFortyPercentWhenNoZeroRunFollows) {
  // start = 400; the steps 400, 450 … reach 1000, where a window would lie wholly past the
  // end: the zeros read there are no run, or the search would begin at 900 and miss both.
  Bytes file = filler(1000);
  fishAt(file, 300, "Guppy");  // before the start: not seen
  fishAt(file, 404, "Discus");  // the marker begins exactly at the start
  fishAt(file, 700, "Kingyo");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(file)), 404u);

  Bytes later = filler(1000);
  fishAt(later, 300, "Guppy");
  fishAt(later, 403, "Discus");  // the marker begins one byte before the start
  fishAt(later, 700, "Kingyo");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(later)), 700u);

  // A run that is partly past the end does not count either.
  Bytes tail = filler(1000);
  fishAt(tail, 700, "Kingyo");
  zeros(tail, 960, 40);
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(tail)), 700u);
}

TEST(FirstFishRecord, StartsOneHundredBytesBeforeTheFirstZeroRun) {
  // A run found exactly at the start: the search begins 100 bytes before it.
  Bytes file = filler(1000);
  zeros(file, 400, 50);
  fishAt(file, 304, "Guppy");  // marker at 300 = 400 - 100
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(file)), 304u);
  file[300] = 0x41;  // one byte further back is before the start
  fishAt(file, 305, "Guppy");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(file)), 305u);

  // The runs are tried in steps of 50 from the start: a run of 60 zeros at 440..499 holds the
  // window 450..499 and moves the start to 350; one at 420..469 holds no window and is passed.
  Bytes stepped = filler(1000);
  zeros(stepped, 440, 60);
  fishAt(stepped, 349, "Guppy");  // marker at 345: before 350
  fishAt(stepped, 360, "Discus");
  fishAt(stepped, 800, "Kingyo");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(stepped)), 360u);
  Bytes between = filler(1000);
  zeros(between, 420, 50);
  fishAt(between, 360, "Discus");
  fishAt(between, 800, "Kingyo");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(between)), 800u);

  // A zero run far behind the first record moves the start past it.
  Bytes far = filler(1000);
  fishAt(far, 420, "Guppy");
  zeros(far, 800, 50);
  fishAt(far, 750, "Discus");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(far)), 750u);
}

TEST(FirstFishRecord, PassesOverLongNamesThatTheNextSearchAccepts) {
  Bytes file = filler(1000);
  fishAt(file, 500, "Guppy");
  file[500] = 30;  // a name length of 30
  fishAt(file, 600, "Kingyo");
  file[600] = 29;
  const TankImage image = imageOf(file);
  EXPECT_EQ(tankfile::findFirstFishRecord(image), 600u);
  EXPECT_EQ(tankfile::findNextFishRecord(image, 400), 500u);
  EXPECT_EQ(tankfile::findNextFishRecord(image, 496), 500u);
  EXPECT_EQ(tankfile::findNextFishRecord(image, 497), 600u);
  EXPECT_EQ(tankfile::findNextFishRecord(image, 597), std::nullopt);
}

TEST(FirstFishRecord, ReadsPastTheEndAsZero) {
  // The marker's last two bytes and the length byte lie past the end and read 0.
  Bytes file = filler(600);
  put(file, 598, {0xD0, 0x01});
  const TankImage image = imageOf(file);
  EXPECT_EQ(tankfile::findFirstFishRecord(image), 602u);
  EXPECT_EQ(tankfile::kindName(image, 602), "");
  // Without a marker there is none, also in a tiny or an empty file.
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(filler(600))), std::nullopt);
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf({})), std::nullopt);
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf({0, 0, 0})), std::nullopt);
  // A zero run near the start of a small file would move the start before offset 0.
  Bytes small = filler(120);
  zeros(small, 48, 50);
  fishAt(small, 8, "Guppy");
  EXPECT_EQ(tankfile::findFirstFishRecord(imageOf(small)), 8u);
}

TEST(EggRecords, AreFoundByTheirOwnMarker) {
  Bytes file = filler(2000);
  fishAt(file, 500, "Guppy");
  eggAt(file, 900, "Guppy");
  const TankImage image = imageOf(file);
  EXPECT_EQ(tankfile::findNextEggRecord(image, 0), 900u);
  EXPECT_EQ(tankfile::findNextEggRecord(image, 897), std::nullopt);
  EXPECT_EQ(tankfile::findNextFishRecord(image, 501), std::nullopt);
  EXPECT_EQ(tankfile::kindName(image, 900), "Guppy");
}

TEST(WaterBlock, IsSearchedFromOffsetOneToFiveThousand) {
  Bytes atZero = filler(6000);
  put(atZero, 0, {0x3C, 0, 0, 0});
  EXPECT_EQ(tankfile::findWaterBlock(imageOf(atZero)), std::nullopt);

  Bytes atLast = filler(6000);
  put(atLast, 5000, {0x3C, 0, 0, 0});
  EXPECT_EQ(tankfile::findWaterBlock(imageOf(atLast)), 5004u);

  Bytes tooFar = filler(6000);
  put(tooFar, 5001, {0x3C, 0, 0, 0});
  EXPECT_EQ(tankfile::findWaterBlock(imageOf(tooFar)), std::nullopt);

  Bytes first = filler(6000);
  put(first, 1, {0x3C, 0, 0, 0});
  put(first, 40, {0x3C, 0, 0, 0});
  EXPECT_EQ(tankfile::findWaterBlock(imageOf(first)), 5u);
}

TEST(WaterBlock, HoldsFifteenValuesAndTheVersionTest) {
  Bytes file = filler(200);
  put(file, 10, {0x3C, 0, 0, 0});
  const std::uint32_t values[15] = {60000, 26500, 7000, 4000, 474000, 0, 1, 2, 3, 2520000, 600000, 4, 5, 6, 0xFFFFFFFF};
  for (std::size_t k = 0; k < 15; ++k)
    put(file, 14 + 4 * k,
        {static_cast<std::uint8_t>(values[k] % 256), static_cast<std::uint8_t>(values[k] / 256 % 256),
         static_cast<std::uint8_t>(values[k] / 65536 % 256), static_cast<std::uint8_t>(values[k] / 16777216)});
  const TankImage image = imageOf(file);
  auto w = tankfile::findWaterBlock(image);
  ASSERT_EQ(w, 14u);
  auto read = tankfile::waterValues(image, *w);
  for (std::size_t k = 0; k < 15; ++k) EXPECT_EQ(read[k], values[k]) << k;

  auto withTemperature = [](std::uint32_t t) {
    tankfile::WaterValues v{};
    v[1] = t;
    return tankfile::acceptsWaterEditing(v);
  };
  EXPECT_TRUE(withTemperature(15000));
  EXPECT_TRUE(withTemperature(40000));
  EXPECT_FALSE(withTemperature(14999));
  EXPECT_FALSE(withTemperature(40001));

  // O2 474000 in 60 litres is 7.9; Ca 2520000 is 42; amounts shown as they are without volume.
  EXPECT_EQ(tankfile::concentrationThousandths(474000, 60000), 7900u);
  EXPECT_EQ(tankfile::concentrationThousandths(2520000, 60000), 42000u);
  EXPECT_EQ(tankfile::concentrationThousandths(1, 3), 333u);
  EXPECT_EQ(tankfile::concentrationThousandths(12, 0), 12000u);
}

TEST(FishFields, NicknamesCountShiftJisPairsAsOneCharacter) {
  Bytes file = filler(1200);
  fishAt(file, 100, "Guppy");
  // "Aぴ" then a lone lead byte as the last one, which takes the byte after the nickname.
  putCounted(file, 100 + 468, std::string_view("A\x82\xD2\x9F", 4));
  file[100 + 469 + 4] = 0x41;
  const TankImage image = imageOf(file);
  EXPECT_EQ(tankfile::nicknameCharacters(image, 100),
            (std::vector<std::string>{"A", "\x82\xD2", "\x9F\x41"}));
  // Half-width katakana (0xA1-0xDF) are single bytes; 0xE0 and above lead pairs.
  putCounted(file, 100 + 468, std::string_view("\xB1\xE0\x40", 3));
  EXPECT_EQ(tankfile::nicknameCharacters(imageOf(file), 100), (std::vector<std::string>{"\xB1", "\xE0\x40"}));
  // A record near the end reads its nickname as zeros.
  Bytes shortFile = filler(300);
  fishAt(shortFile, 100, "Guppy");
  EXPECT_TRUE(tankfile::nicknameCharacters(imageOf(shortFile), 100).empty());
}

TEST(FishFields, GenesLieAfterTheRecordOnlyWhenBothTestBytesAreFF) {
  Bytes file = filler(3000);
  fishAt(file, 100, "Guppy");
  for (std::size_t k = 0; k < 28; ++k) file[100 + 1606 + k] = static_cast<std::uint8_t>(k);
  for (std::size_t k = 0; k < 28; ++k) file[100 - 36 + k] = static_cast<std::uint8_t>(100 + k);
  file[100 + 1642] = 0xFF;
  EXPECT_EQ(tankfile::genePlace(imageOf(file), 100), 100 - 36);
  file[100 + 1643] = 0xFF;
  const TankImage image = imageOf(file);
  ASSERT_EQ(tankfile::genePlace(image, 100), 100 + 1606);
  EXPECT_EQ(tankfile::genesAt(image, 100 + 1606),
            (tankfile::Genes{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26}));
  EXPECT_EQ(tankfile::genesAt(image, 100 - 36),
            (tankfile::Genes{100, 102, 104, 106, 108, 110, 112, 114, 116, 118, 120, 122, 124, 126}));
  // Test bytes past the end read 0: the block before the record; one partly before the file
  // reads 0 there.
  Bytes tiny = filler(40);
  fishAt(tiny, 20, "Guppy");
  const TankImage small = imageOf(tiny);
  EXPECT_EQ(tankfile::genePlace(small, 20), -16);
  auto genes = tankfile::genesAt(small, -16);
  EXPECT_EQ(genes[0], 0);
  EXPECT_EQ(genes[8], tiny[0]);
}

}  // namespace
