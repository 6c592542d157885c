// The fish-information and gene edits, whole-file: every expected byte is set here by hand
// from the record tables, on the scenario tank and on small files made for one rule each.
#include <gtest/gtest.h>

#include "netkeeper/edits.hpp"
#include "netkeeper/scenario.hpp"

namespace {

using base::Bytes;
using netkeeper::EditSet;
using netkeeper::GeneEdits;
using tankfile::TankImage;
using namespace testtank;

Bytes bytesOf(const TankImage& image) { return Bytes(image.bytes().begin(), image.bytes().end()); }

// What every fish edit does whatever is ticked: the ID counted up, the two six-byte fields cleared.
void expectBaseEdit(Bytes& file, std::size_t n) {
  zeros(file, n + 266, 6);
  zeros(file, n + 298, 6);
  if (n == scenario::kA) put(file, n + 328, {0x00, 0x01, 0x00, 0x00});
  else if (n == scenario::kB) put(file, n + 328, {0x00, 0x00, 0x00, 0x00});
  else ++file[n + 328];  // filler bytes are below 0xFF: no carry
}

TEST(FishEdits, WriteEveryTickedValueIntoEveryFishAndEggOfTheKind) {
  Bytes file = scenario::tank();
  TankImage image = imageOf(file);
  EditSet edits;
  edits.ageFlag = true;
  edits.ageDays = 1;
  edits.healthFlag = edits.vigorFlag = edits.courageFlag = edits.powerFlag = true;
  edits.health = 80;
  edits.vigor = 0;
  edits.courage = 100;
  edits.power = 6;
  edits.sexFlag = true;
  edits.male = false;
  edits.eggsFlag = true;
  edits.eggCount = 300;
  auto report = netkeeper::applyFishEdits(image, scenario::kA, edits);

  Bytes expected = file;
  for (std::size_t n : scenario::kEditedGuppies) {
    expectBaseEdit(expected, n);
    put(expected, n + 272, {0xA0, 0x05, 0x00, 0x00});  // 1440 minutes
    expected[n + 276] = 80;
    expected[n + 290] = 0;
    expected[n + 294] = 100;
    expected[n + 312] = 1;  // power 6 - 5
    expected[n + 260] = 'F';
    expected[n - 22] = 1;  // the guppy's second sex byte
  }
  for (std::size_t e : {scenario::kEggGuppy1, scenario::kEggGuppy2}) {
    ++expected[e + 333];
    expected[e + 256] = 255;  // 300 clamped
  }
  EXPECT_EQ(bytesOf(image), expected);
  EXPECT_EQ(report.fish, (std::vector<std::size_t>{scenario::kA, scenario::kB, scenario::kC, scenario::kD, scenario::kF}));
  EXPECT_EQ(report.eggs, (std::vector<std::size_t>{scenario::kEggGuppy1, scenario::kEggGuppy2}));
  EXPECT_TRUE(report.skippedFish.empty());
  EXPECT_TRUE(report.skippedEggs.empty());
}

TEST(FishEdits, WithNothingTickedStillCountIdsAndClearTheTwoFields) {
  Bytes file = scenario::tank();
  TankImage image = imageOf(file);
  netkeeper::applyFishEdits(image, scenario::kA, EditSet{});
  Bytes expected = file;
  for (std::size_t n : scenario::kEditedGuppies) expectBaseEdit(expected, n);
  for (std::size_t e : {scenario::kEggGuppy1, scenario::kEggGuppy2}) ++expected[e + 333];
  EXPECT_EQ(bytesOf(image), expected);
}

TEST(FishEdits, ClampAgeAndPowerAndWriteSexOnceOnOtherKinds) {
  struct Case {
    std::int64_t days;
    int power;
    std::initializer_list<std::uint8_t> age;
    int powerByte;  // -1: unchanged
  } cases[] = {
      {1, 5, {0xA0, 0x05, 0x00, 0x00}, -1},
      {-7, 100, {0x00, 0x00, 0x00, 0x00}, 95},
      {2'982'616, 6, {0x00, 0xFF, 0xFF, 0xFF}, 1},  // 4,294,967,040 minutes = 2^32 - 256
      {2'982'617, 0, {0x00, 0xFF, 0xFF, 0xFF}, -1},
  };
  for (const auto& c : cases) {
    Bytes file = filler(3000);
    fishAt(file, 1300, "Discus");
    TankImage image = imageOf(file);
    EditSet edits;
    edits.ageFlag = edits.powerFlag = edits.sexFlag = true;
    edits.ageDays = c.days;
    edits.power = c.power;
    netkeeper::applyFishEdits(image, 1300, edits);
    Bytes expected = file;
    zeros(expected, 1300 + 266, 6);
    zeros(expected, 1300 + 298, 6);
    ++expected[1300 + 328];
    put(expected, 1300 + 272, c.age);
    if (c.powerByte >= 0) expected[1300 + 312] = static_cast<std::uint8_t>(c.powerByte);
    expected[1300 + 260] = 'M';  // one byte only: not a guppy
    EXPECT_EQ(bytesOf(image), expected) << c.days;
  }
}

TEST(FishEdits, EggCountsClampToOneThrough255) {
  for (auto [count, written] : {std::pair{0, 1}, std::pair{-3, 1}, std::pair{7, 7}, std::pair{300, 255}}) {
    Bytes file = filler(3000);
    fishAt(file, 1300, "Kingyo");
    eggAt(file, 2000, "Kingyo");
    TankImage image = imageOf(file);
    EditSet edits;
    edits.eggsFlag = true;
    edits.eggCount = count;
    netkeeper::applyFishEdits(image, 1300, edits);
    EXPECT_EQ(image.byteAt(2000 + 256), written) << count;
    EXPECT_EQ(image.byteAt(2000 + 333), file[2000 + 333] + 1);
  }
}

TEST(FishEdits, LeaveRecordsWhoseFieldsLieOutsideTheFile) {
  // The second guppy's ID would lie past the end; a guppy at N = 10 has no room for N - 22.
  Bytes file = filler(2400);
  fishAt(file, 1000, "Guppy");
  fishAt(file, 2100, "Guppy");
  eggAt(file, 2200, "Guppy");  // its ID would lie past the end
  TankImage image = imageOf(file);
  EditSet edits;
  edits.healthFlag = true;
  edits.health = 50;
  auto report = netkeeper::applyFishEdits(image, 1000, edits);
  Bytes expected = file;
  zeros(expected, 1000 + 266, 6);
  zeros(expected, 1000 + 298, 6);
  ++expected[1000 + 328];
  expected[1000 + 276] = 50;
  EXPECT_EQ(bytesOf(image), expected);
  EXPECT_EQ(report.fish, std::vector<std::size_t>{1000});
  EXPECT_EQ(report.skippedFish, std::vector<std::size_t>{2100});
  EXPECT_EQ(report.skippedEggs, std::vector<std::size_t>{2200});

  Bytes early = filler(1000);
  fishAt(early, 10, "Guppy");
  TankImage small = imageOf(early);
  edits.sexFlag = true;
  EXPECT_FALSE(netkeeper::editFish(small, 10, edits, true));
  EXPECT_EQ(bytesOf(small), early);
  EXPECT_TRUE(netkeeper::editFish(small, 10, edits, false));  // without the second sex byte it fits
}

TEST(GeneEdits, WriteTickedGenesIntoEveryGeneCarryingFishInItsOwnPlace) {
  Bytes file = scenario::tank();
  TankImage image = imageOf(file);
  GeneEdits genes;
  genes.ticked[0] = genes.ticked[7] = genes.ticked[13] = true;
  genes.values[0] = 7;
  genes.values[7] = 200;
  genes.values[13] = 0;
  genes.values[3] = 99;  // not ticked: not written
  auto report = netkeeper::applyGeneEdits(image, scenario::kA, genes);

  Bytes expected = file;
  for (std::size_t n : {scenario::kA, scenario::kB, scenario::kDiscus, scenario::kC, scenario::kD, scenario::kF}) {
    if (n == scenario::kA) put(expected, n + 328, {0x00, 0x01, 0x00, 0x00});
    else if (n == scenario::kB) put(expected, n + 328, {0x00, 0x00, 0x00, 0x00});
    else ++expected[n + 328];
    const std::size_t g = scenario::geneAt(n);
    expected[g] = 7;
    expected[g + 14] = 200;
    expected[g + 26] = 0;
  }
  EXPECT_EQ(bytesOf(image), expected);
  EXPECT_EQ(report.fish, (std::vector<std::size_t>{scenario::kA, scenario::kB, scenario::kDiscus, scenario::kC,
                                                   scenario::kD, scenario::kF}));
}

TEST(GeneEdits, LeaveAFishWhoseGeneBlockLiesBeforeTheFile) {
  Bytes file = filler(1000);
  fishAt(file, 20, "Guppy");  // genes at -16
  TankImage image = imageOf(file);
  GeneEdits genes;
  genes.ticked[5] = true;  // byte -16 + 10 = -6
  genes.values[5] = 1;
  EXPECT_FALSE(netkeeper::editGenes(image, 20, genes));
  EXPECT_EQ(bytesOf(image), file);
  genes.ticked[5] = false;
  genes.ticked[8] = true;  // byte -16 + 16 = 0: inside
  genes.values[8] = 1;
  EXPECT_TRUE(netkeeper::editGenes(image, 20, genes));
  EXPECT_EQ(image.byteAt(0), 1);
}

}  // namespace
