// The fish-information edits and the grid's write-back, byte for byte, and the flow around them.
#include <gtest/gtest.h>

#include <bit>

#include "base/file_io.hpp"
#include "netkeeper2/netkeeper2.hpp"
#include "samples/wtk.hpp"
#include "support/test_folder.hpp"
#include "ui/paths.hpp"
#include "ui/scripted_ui.hpp"

namespace {

using namespace netkeeper2;
using samples::WtkFish;
using samples::WtkMarker;
using samples::WtkSex;

void putU32(base::Bytes& image, std::size_t at, std::uint32_t v) { base::putU32(image.data() + at, v); }
void putSingle(base::Bytes& image, std::size_t at, float v) { putU32(image, at, std::bit_cast<std::uint32_t>(v)); }

// What every edited fish gets, whatever was ticked.
void expectResets(base::Bytes& image, std::size_t b) {
  image[b + 8] = 0, image[b + 116] = 0, image[b + 120] = 0;
  putU32(image, b + 185, 0);
  putSingle(image, b + 152, 0.0f);
  putSingle(image, b + 156, 100.0f);
  putSingle(image, b + 160, 100.0f);
}

std::vector<WtkFish> threeFish() {
  return {{WtkMarker::First, "NEONTETRA", "t", "", WtkSex::Male, 10 * 1440, 50, 8, 2, 30, 40, 1, 0},
          {WtkMarker::FormB, "angelfish", "c", "", WtkSex::Egg, 0, 0, 0, 0, 0, 0, 0, 100},
          {WtkMarker::FormA, "PANDA", "c", "", WtkSex::Neither, 0, 0, 0, 0, 0, 0, 0, 0},
          {WtkMarker::FormB, "RURI", "r", "", WtkSex::Female, 3 * 1440, 60, 8, 8, 20, 20, 2, 0}};
}

std::size_t baseOf(const std::vector<WtkFish>& fish, std::size_t n) {
  return samples::wtkKindOffset(fish, n) + samples::kWtkBaseDistance;
}

TEST(WtkFishEdits, EveryFishGetsTheResetsAndTheTickedValues) {
  const auto fish = threeFish();
  auto image = samples::makeWtk(fish);
  auto expected = image;
  FishEdits edits;
  edits.age = 1, edits.health = 77, edits.fullness = 50, edits.courage = 12, edits.power = 34, edits.colour = 5;
  edits.male = false;
  auto report = applyFishEdits(image, edits);
  EXPECT_EQ(report.edited, 2u);
  EXPECT_EQ(report.withoutSex, 2u);  // the egg (although its egg value reads 100) and PANDA
  for (std::size_t n : {0u, 3u}) {
    const auto b = baseOf(fish, n);
    expectResets(expected, b);
    putSingle(expected, b + 124, 77);
    putSingle(expected, b + 132, 4.0f);  // 50 % of capacity 8
    putSingle(expected, b + 148, 5);
    putSingle(expected, b + 144, 12), putSingle(expected, b + 28, 100), putSingle(expected, b + 32, 100);
    putSingle(expected, b + 140, 34), putSingle(expected, b + 20, 100), putSingle(expected, b + 24, 100);
    expected[b + 4] = 0xA0, expected[b + 5] = 0x05, expected[b + 6] = 0, expected[b + 7] = 0;  // one day
    putU32(expected, b, 0xFFFFFF9C);
  }
  EXPECT_EQ(image, expected);
}

TEST(WtkFishEdits, NothingTickedStillResetsAndAgeIsClamped) {
  const auto fish = threeFish();
  auto image = samples::makeWtk(fish);
  auto expected = image;
  applyFishEdits(image, {});
  for (std::size_t n : {0u, 3u}) expectResets(expected, baseOf(fish, n));
  EXPECT_EQ(image, expected);

  FishEdits old;
  old.age = 2'982'617;
  applyFishEdits(image, old);
  EXPECT_EQ(base::getU32(image.data() + baseOf(fish, 0) + 4), 2'982'616u * 1440u);
  old.age = -3;
  applyFishEdits(image, old);
  EXPECT_EQ(base::getU32(image.data() + baseOf(fish, 0) + 4), 0u);
  old.age = 2.5;  // whole days, halves to even
  applyFishEdits(image, old);
  EXPECT_EQ(base::getU32(image.data() + baseOf(fish, 0) + 4), 2u * 1440u);
}

TEST(WtkFishEdits, ARecordWhoseFieldsPassTheEndIsLeftAlone) {
  auto fish = threeFish();
  auto image = samples::makeWtk(fish);
  image.resize(baseOf(fish, 3) + 150);  // RURI's base is inside, its last fields are not
  auto expected = image;
  expectResets(expected, baseOf(fish, 0));
  auto report = applyFishEdits(image, {});
  EXPECT_EQ(report.edited, 1u);
  EXPECT_EQ(report.pastEnd, 1u);
  EXPECT_EQ(image, expected);
}

std::vector<GridCells> shown(const std::vector<GridRow>& rows) {
  std::vector<GridCells> cells;
  for (const auto& row : rows) cells.push_back(row.cells);
  return cells;
}

TEST(WtkGridWriteBack, UnchangedCellsKeepTheirBytes) {
  const auto fish = threeFish();
  auto image = samples::makeWtk(fish);
  auto expected = image;
  const auto rows = fillGrid(image, base::CodePage::Cp932);
  ASSERT_EQ(rows.size(), 4u);
  auto report = writeGrid(image, rows, shown(rows));
  EXPECT_EQ(report.written, 3u);  // the two fish and the egg; PANDA has no base
  for (std::size_t n : {0u, 3u}) {
    const auto b = baseOf(fish, n);
    expectResets(expected, b);
    for (std::size_t at : {20u, 24u, 28u, 32u}) putSingle(expected, b + at, 100.0f);
  }
  EXPECT_EQ(image, expected);
}

TEST(WtkGridWriteBack, ChangedCellsAreWrittenAsTyped) {
  auto fish = threeFish();
  fish[3].courage = 20.123456f;  // shown cut to 20.123: stays as stored while unchanged
  auto image = samples::makeWtk(fish);
  auto expected = image;
  const auto rows = fillGrid(image, base::CodePage::Cp932);
  auto cells = shown(rows);
  cells[0][kAge - 1] = "1";
  cells[0][kHealth - 1] = "12.5";
  cells[0][kFullness - 1] = "50";
  cells[0][kSex - 1] = toggledSex(cells[0][kSex - 1]);
  cells[0][kColor - 1] = "7";
  cells[1][kEgg - 1] = "0";
  cells[3][kSex - 1] = toggledSex(toggledSex(cells[3][kSex - 1]));  // twice: unchanged
  cells[3][kPower - 1] = "99.5";
  writeGrid(image, rows, cells);
  for (std::size_t n : {0u, 3u}) {
    const auto b = baseOf(fish, n);
    expectResets(expected, b);
    for (std::size_t at : {20u, 24u, 28u, 32u}) putSingle(expected, b + at, 100.0f);
  }
  const auto b0 = baseOf(fish, 0);
  expected[b0 + 4] = 0xA0, expected[b0 + 5] = 0x05, expected[b0 + 6] = 0, expected[b0 + 7] = 0;
  putSingle(expected, b0 + 124, 12.5f);
  putSingle(expected, b0 + 132, 4.0f);
  putU32(expected, b0, 0xFFFFFF9C);
  putSingle(expected, b0 + 148, 7);
  putU32(expected, baseOf(fish, 1) + 44, 1);
  putSingle(expected, baseOf(fish, 3) + 140, 99.5f);
  EXPECT_EQ(image, expected);

  cells = shown(fillGrid(image, base::CodePage::Cp932));
  EXPECT_EQ(cells[0][kFullness - 1], "50");
  cells[1][kEgg - 1] = "999";
  writeGrid(image, fillGrid(image, base::CodePage::Cp932), cells);
  EXPECT_EQ(base::getU32(image.data() + baseOf(fish, 1) + 44), 255u);
}

TEST(WtkGridWriteBack, AValueTypedReadsBackAsTyped) {
  auto fish = threeFish();
  fish[0].capacity = 21;  // a capacity at which 1, 3 and 70 per cent once read back a tenth low
  auto image = samples::makeWtk(fish);
  for (const char* percent : {"1", "3", "70"}) {
    auto cells = shown(fillGrid(image, base::CodePage::Cp932));
    cells[0][kFullness - 1] = percent;
    cells[0][kHealth - 1] = "0.7";
    writeGrid(image, fillGrid(image, base::CodePage::Cp932), cells);
    const auto again = shown(fillGrid(image, base::CodePage::Cp932));
    EXPECT_EQ(again[0][kFullness - 1], percent);
    EXPECT_EQ(again[0][kHealth - 1], "0.7");
  }
}

TEST(WtkGridWriteBack, AnEditThatCannotBeWrittenIsRefusedNamingItsCell) {
  const auto image = samples::makeWtk(threeFish());
  const auto rows = fillGrid(image, base::CodePage::Cp932);
  auto refusal = [&](std::size_t row, Column column, const char* text) {
    auto cells = shown(rows);
    cells[row][column - 1] = text;
    return uneditableEdit(rows, cells) + unstorableEdit(rows, cells);
  };
  EXPECT_EQ(refusal(0, kKind, "GUPPY"), "Row 1, Fish Kind cannot be changed: the names are shown, not edited.");
  EXPECT_EQ(refusal(0, kName, "x"), "Row 1, Name cannot be changed: the names are shown, not edited.");
  EXPECT_EQ(refusal(1, kAge, "5"), "Row 2, Age cannot be changed: an egg has only its egg count.");
  EXPECT_EQ(refusal(0, kEgg, "5"), "Row 1, egg cannot be changed: a fish has no egg count.");
  EXPECT_EQ(refusal(2, kHealth, "5"), "Row 3, Health cannot be changed: this row has no fish values to edit.");
  EXPECT_EQ(refusal(0, kSex, "boy"), "Row 1, Sex takes male or female, not \"boy\".");
  EXPECT_EQ(refusal(0, kPower, "1e39"), "");  // "1e39" reads 1
  EXPECT_EQ(refusal(0, kPower, std::string(39, '9').c_str()),
            "Row 1, Power \"999999999999999999999999999999999999999\" is too large to store: the largest value is about 3.4e38.");
  EXPECT_EQ(refusal(1, kEgg, "7"), "");

  test::TempFolder folder;
  ui::ScriptedUi ui;
  Netkeeper2 tool(ui);
  const auto path = folder.path() / "lake.wtk";
  ASSERT_TRUE(base::writeFileAtomically(path, image));
  auto cells = shown(rows);
  cells[1][kAge - 1] = "5";
  EXPECT_EQ(tool.writeBack(*tool.open(path), rows, cells, folder.path(), "out"), ui::Outcome::Refused);
  EXPECT_EQ(tool.writeBack(*tool.open(path), rows, shown(rows), folder.path(), ""), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Row 2, Age cannot be changed: an egg has only its egg count.",
                                                   ui::kNoFileName}));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.wtk"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / ".wtk"));
}

TEST(Netkeeper2Flow, NamesAndTheFileDiffersCases) {
  EXPECT_EQ(defaultOutputName("lake.WTK"), "lake");
  EXPECT_EQ(defaultOutputName("lake.wTk"), "lake");
  EXPECT_EQ(defaultOutputName("lake.tqn"), "lake.tqn");
  EXPECT_EQ(outputPath("/tanks", "TEMP", "/tanks/lake.wtk"), std::filesystem::path("/tanks/TEMP.wtk"));

  test::TempFolder folder;
  ui::ScriptedUi ui;
  Netkeeper2 tool(ui);
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "big.wtk", base::Bytes(kMaxTankSize + 1, 0)));
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "empty.wtk", base::Bytes(kMaxTankSize, 0)));
  EXPECT_FALSE(tool.open(folder.path() / "big.wtk"));
  EXPECT_FALSE(tool.open(folder.path() / "empty.wtk"));
  ASSERT_EQ(ui.messages, (std::vector<std::string>{"File differs", "File differs"}));
  EXPECT_NE(ui.messageStyles[0].detail.find("200,000"), std::string::npos);
  EXPECT_TRUE(ui.messageStyles[1].detail.empty());
}

TEST(Netkeeper2Flow, WritingOverTheOpenedTankReplacesIt) {
  test::TempFolder folder;
  const auto path = folder.path() / "lake.wtk";
  auto original = samples::sampleWtk();
  ASSERT_TRUE(original && base::writeFileAtomically(path, *original));
  ui::ScriptedUi ui;
  Netkeeper2 tool(ui);
  tool.setEditInPlaceWithoutAsking(true);  // as the command line does
  auto tank = tool.open(path);
  ASSERT_TRUE(tank);
  EXPECT_EQ(tank->first.kind, "NEON");
  FishEdits edits;
  edits.health = 1;
  ASSERT_EQ(tool.generate(*tank, edits, outputPath(folder.path(), defaultOutputName(path), path)), ui::Outcome::Done);
  EXPECT_TRUE(ui.wasBusy);
  auto written = base::readFile(path, kMaxTankSize);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->size(), original->size());
  EXPECT_NE(*written, *original);
  EXPECT_EQ(tool.lastEdits().edited, 4u);  // NEON, CARDINAL, GREENNEON, golden_butterfly
}

}  // namespace
