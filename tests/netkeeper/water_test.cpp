// The water dialog's logic, byte for byte: what the boxes show, UPDATE writing only what
// changed (single precision, halves to even), init, a volume change, the version limits,
// refusals that write nothing, and the default names.
#include <gtest/gtest.h>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "netkeeper/water.hpp"
#include "support/test_folder.hpp"
#include "ui/paths.hpp"
#include "ui/scripted_ui.hpp"

namespace {

using namespace netkeeper;
namespace fs = std::filesystem;

constexpr std::size_t kMarker = 700;  // the water marker 3C 00 00 00 starts here
constexpr std::size_t kW = kMarker + 4;

// A tank of 6,000 bytes of filler with a water block of the given values.
base::Bytes tankWith(const tankfile::WaterValues& values, std::size_t marker = kMarker) {
  base::Bytes tank(6000);
  for (std::size_t i = 0; i < tank.size(); ++i) tank[i] = static_cast<std::uint8_t>(0x41 + i % 23);
  base::putU32(tank.data() + marker, 60);
  for (std::size_t k = 0; k < values.size(); ++k) base::putU32(tank.data() + marker + 4 + 4 * k, values[k]);
  return tank;
}

// 60 litres at 26.5 degrees, pH 7, GH 4; O2 7.9, Ca 42, Mg 10 mg/l; a little NH3.
const tankfile::WaterValues kLake = {60000, 26500, 7000, 4000, 474000, 0, 0, 100, 0, 2520000, 600000, 0, 0, 0, 0};

class WaterTest : public ::testing::Test {
 protected:
  fs::path save(const base::Bytes& tank, const char* name = "lake.tqn") {
    const auto path = folder.path() / name;
    EXPECT_TRUE(base::writeFileAtomically(path, tank));
    return path;
  }
  // Loads, lets `edit` change the boxes, presses UPDATE; the file written, or nothing. The tank
  // is replaced in place without a question, as the command line does.
  std::optional<base::Bytes> update(const base::Bytes& tank, const std::function<void(WaterDialog&)>& edit) {
    Water water(ui);
    water.setEditInPlaceWithoutAsking(true);
    auto dialog = water.load(save(tank));
    if (!dialog) return std::nullopt;
    edit(*dialog);
    if (water.update(*dialog, folder.path()) != ui::Outcome::Done) return std::nullopt;
    return *base::readFile(water.lastWritten(), 1 << 20);
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
};

base::Bytes withValue(base::Bytes tank, std::size_t k, std::uint32_t value) {
  base::putU32(tank.data() + kW + 4 * k, value);
  return tank;
}

TEST_F(WaterTest, BoxesShowLitresDegreesAndConcentrationsCutToThreeDecimals) {
  EXPECT_EQ(shownWater(kLake), (WaterTexts{"60", "26.5", "7", "4", "7.9", "0", "0", "0.001", "0", "42", "10", "0", "0", "0", "0"}));
  auto dry = kLake;
  dry[0] = 0;  // no volume: the amounts themselves
  EXPECT_EQ(shownWater(dry)[4], "474000");
  EXPECT_EQ(shownWater(dry)[7], "100");
}

TEST_F(WaterTest, UpdateWithNothingChangedIsByteIdentical) {
  const auto tank = tankWith(kLake);
  auto written = update(tank, [](WaterDialog&) {});
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, tank);
  // Ticking Vol Change without changing the volume changes nothing either.
  written = update(tank, [](WaterDialog& d) { d.volumeChange = true; });
  EXPECT_EQ(*written, tank);
}

TEST_F(WaterTest, OneChangedBoxChangesItsFourBytesOnly) {
  const auto tank = tankWith(kLake);
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[1] = "27"; }), withValue(tank, 1, 27000));
  // NH3 is shown as 0.001 though 100 / 60000 is stored; typing 0.5 stores 0.5 x 60000.
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[7] = "0.5"; }), withValue(tank, 7, 30000));
  // "7.0" is the number 7 that was shown: unchanged.
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[2] = "7.0"; }), tank);
  // Without Vol Change the volume box is not read.
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[0] = "80"; }), tank);
}

TEST_F(WaterTest, ArithmeticIsSinglePrecisionRoundedHalvesToEven) {
  const auto tank = tankWith(kLake);
  // 16777.217 is 16777.216796875 in single precision; x 1000 is 16777216.797, which single
  // precision holds as 16777216 (double precision would store 16777217).
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[2] = "16777.217"; }), withValue(tank, 2, 16777216));
  // 0.0005 x 1000 = 0.5 rounds to 0; 0.0015 x 1000 = 1.5 rounds to 2.
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[3] = "0.0005"; }), withValue(tank, 3, 0));
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[3] = "0.0015"; }), withValue(tank, 3, 2));
}

TEST_F(WaterTest, InitFillsFreshWaterAndKeepsTheVolume) {
  // Every amount at 2 mg/l, so that init's zeros are changes.
  auto tank = tankWith({30000, 30000, 6000, 9000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000});
  auto written = update(tank, [](WaterDialog& d) { initWater(d.boxes); });
  ASSERT_TRUE(written);
  // 7.9 in single precision x 30000 = 237000.003 -> 237000.
  const tankfile::WaterValues fresh = {30000, 26500, 7000, 4000, 237000, 0, 0, 0, 0, 1260000, 300000, 0, 0, 0, 0};
  EXPECT_EQ(*written, tankWith(fresh));
}

TEST_F(WaterTest, AVolumeChangeRewritesEveryAmountAtTheNewVolume) {
  const auto tank = tankWith(kLake);
  auto written = update(tank, [](WaterDialog& d) {
    d.volumeChange = true;
    d.boxes[0] = "30";
  });
  ASSERT_TRUE(written);
  // Each amount is its box at 30,000 ml: NH3's box shows 0.001, so 30.
  const tankfile::WaterValues expected = {30000, 26500, 7000, 4000, 237000, 0, 0, 30, 0, 1260000, 300000, 0, 0, 0, 0};
  EXPECT_EQ(*written, tankWith(expected));
}

TEST_F(WaterTest, WithoutVolumeAChangedAmountIsStoredAsTyped) {
  auto dry = kLake;
  dry[0] = 0;
  const auto tank = tankWith(dry);
  EXPECT_EQ(*update(tank, [](WaterDialog& d) { d.boxes[4] = "123"; }), withValue(tank, 4, 123));
}

TEST_F(WaterTest, VersionLimitsAreInclusive) {
  for (std::uint32_t temperature : {15000u, 40000u}) {
    auto values = kLake;
    values[1] = temperature;
    EXPECT_TRUE(Water(ui).load(save(tankWith(values)))) << temperature;
  }
  for (std::uint32_t temperature : {14999u, 40001u}) {
    auto values = kLake;
    values[1] = temperature;
    EXPECT_FALSE(Water(ui).load(save(tankWith(values)))) << temperature;
  }
  EXPECT_EQ(ui.messages, (std::vector<std::string>{kVersionRefused, kVersionRefused}));
}

TEST_F(WaterTest, NoWaterMarkerFromOffset1To5000IsRefused) {
  // A marker at 0 is not looked at; the header would otherwise be taken for water.
  auto tank = tankWith(kLake, 0);
  EXPECT_FALSE(Water(ui).load(save(tank)));
  EXPECT_EQ(ui.messages, std::vector<std::string>{kVersionRefused});
  // One starting at 5000 is found.
  EXPECT_TRUE(Water(ui).load(save(tankWith(kLake, 5000))));
}

TEST_F(WaterTest, AValueThatDoesNotFitIsRefusedNamingItsBox) {
  const auto tank = tankWith(kLake);
  EXPECT_FALSE(update(tank, [](WaterDialog& d) {
    d.boxes[1] = "-5";
    d.fileName = "out";
  }));
  EXPECT_FALSE(update(tank, [](WaterDialog& d) {
    d.volumeChange = true;
    d.boxes[0] = "5000000";  // 5e9 ml
    d.fileName = "out";
  }));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[0].find("Temp"), std::string::npos);
  EXPECT_NE(ui.messages[1].find("Vol(Litter)"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.path() / "out.tqn"));
}

TEST_F(WaterTest, ATankTheVersionTestWouldRefuseIsNeverWritten) {
  const auto tank = tankWith(kLake);
  for (const char* temperature : {"0", "14.999", "40.001", "hot"}) {
    ui.messages.clear();
    EXPECT_FALSE(update(tank, [&](WaterDialog& d) {
      d.boxes[1] = temperature;
      d.fileName = "out";
    })) << temperature;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], base::strcat("The value \"", temperature,
                                           "\" in Temp cannot be stored: the temperature must lie between 15 and 40 °C."));
  }
  // The limits themselves are kept, and a range is told in the box's own unit.
  EXPECT_TRUE(update(tank, [](WaterDialog& d) { d.boxes[1] = "15"; }));
  EXPECT_FALSE(update(tank, [](WaterDialog& d) {
    d.volumeChange = true;
    d.boxes[0] = "4294968";
  }));
  EXPECT_EQ(ui.messages.back(),
            "The value \"4294968\" in Vol(Litter) cannot be stored: it must lie between 0 and 4,294,967.295 litres.");
  // An empty File Name would write the hidden ".tqn".
  EXPECT_FALSE(update(tank, [](WaterDialog& d) { d.fileName = ""; }));
  EXPECT_EQ(ui.messages.back(), ui::kNoFileName);
  EXPECT_FALSE(fs::exists(folder.path() / "out.tqn"));
  EXPECT_FALSE(fs::exists(folder.path() / ".tqn"));
}

TEST_F(WaterTest, AnUpdateOverATankChangedSinceItWasLoadedWritesNothing) {
  const auto tank = tankWith(kLake);
  Water water(ui);
  water.setEditInPlaceWithoutAsking(true);
  auto dialog = water.load(save(tank));
  ASSERT_TRUE(dialog);
  const auto theirs = withValue(tank, 2, 6500);
  save(theirs);  // another copy's UPDATE meanwhile
  dialog->boxes[1] = "27";
  EXPECT_EQ(water.update(*dialog, folder.path()), ui::Outcome::Refused);
  const auto path = folder.path() / "lake.tqn";
  EXPECT_EQ(ui.messages, std::vector<std::string>{path.string() + " changed since it was read; nothing was written."});
  EXPECT_EQ(*base::readFile(path, 1 << 20), theirs);
  dialog->fileName = "mine";  // under a new name it is written
  EXPECT_EQ(water.update(*dialog, folder.path()), ui::Outcome::Done);
}

TEST_F(WaterTest, DefaultNamesDropOnlyTheTankEnding) {
  EXPECT_EQ(waterOutputName("lake.tqn"), "lake");
  EXPECT_EQ(waterOutputName("LAKE.TQN"), "LAKE");
  EXPECT_EQ(waterOutputName("lake.Tqn"), "lake.Tqn");
  EXPECT_EQ(waterOutputName("lake.fsh"), "lake.fsh");
}

}  // namespace
