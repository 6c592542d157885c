// scalepaint's actions as the person meets them: the grid's INIT and FILL, OPEN and SAVE of
// palette files, choosing the source, MAKE with its refusals in order, and PreView.
#include "scalepaint/scalepaint.hpp"

#include <gtest/gtest.h>

#include "base/file_io.hpp"
#include "samples/samples.hpp"
#include "support/test_files.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;
using Messages = std::vector<std::string>;

class ScalepaintFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    auto fish = samples::sampleFish();
    ASSERT_TRUE(fish);
    sample = *fish;
    source = folder.path() / "sample.fsh";
    ASSERT_TRUE(base::writeFileAtomically(source, sample));
  }
  std::string identityFile() {
    std::string text;
    for (int n = 0; n < 256; ++n) text += " " + std::to_string(n) + " \r\n";
    return text;
  }
  void write(const fs::path& path, const std::string& text) {
    ASSERT_TRUE(base::writeFileAtomically(path, base::asBytes(text)));
  }
  Bytes read(const fs::path& path) {
    auto bytes = base::readFile(path, 1 << 24);
    return bytes ? *bytes : Bytes{};
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  Bytes sample;
  fs::path source;
};

TEST_F(ScalepaintFlow, StartsWithTheIdentityTableAndTempTqn) {
  scalepaint::Scalepaint tool(ui, folder.path());
  EXPECT_EQ(tool.cells, scalepaint::identityCells());
  EXPECT_EQ(tool.destination, (folder.path() / "temp.tqn").string());
  EXPECT_TRUE(tool.source.empty());
  EXPECT_EQ(scalepaint::caption(tool.edition()), "ScalePainter      Ver 0.6.0");
  EXPECT_EQ(scalepaint::caption(scalepaint::kEdition045), "ScalePainter      Ver 0.4.5");

  tool.cells[0] = "12abc";
  tool.fill();
  for (const auto& cell : tool.cells) ASSERT_EQ(cell, "12");
  tool.init();
  EXPECT_EQ(tool.cells, scalepaint::identityCells());
}

TEST_F(ScalepaintFlow, ChoosingTheSource) {
  scalepaint::Scalepaint tool(ui, folder.path());
  ui.openAnswers = {std::nullopt, source};
  EXPECT_EQ(tool.chooseSource(), ui::Outcome::Cancelled);
  EXPECT_TRUE(tool.source.empty());
  EXPECT_EQ(tool.chooseSource(), ui::Outcome::Done);
  EXPECT_EQ(tool.source, source.string());
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");
  EXPECT_EQ(ui.dialogs[0].filter, "Aquarium(*.tqn)|*.tqn|Fish(*.fsh)|*.fsh|All(*.*)|*.*|");

  scalepaint::Scalepaint older(ui, folder.path(), scalepaint::kEdition045);
  ui.openAnswers = {source};
  older.chooseSource();
  EXPECT_EQ(ui.dialogs.back().filter, "Aquarium (*.tqn)|*.tqn");
}

TEST_F(ScalepaintFlow, MakeRefusesInOrder) {
  scalepaint::Scalepaint tool(ui, folder.path());
  const fs::path out = folder.path() / "out.fsh";
  tool.destination = out.string();
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, Messages{"Source Aquarium ?"});

  // A bad entry comes before a missing source; row 1 is never looked at.
  tool.source = (folder.path() / "gone.fsh").string();
  tool.cells[0] = "999";
  tool.cells[9] = "256";
  tool.make();
  EXPECT_EQ(ui.messages.back(), "Row 10 of the palette holds \"256\": every entry must be a whole number from 0 to 255.");
  tool.cells[9] = "9";
  tool.make();
  EXPECT_EQ(ui.messages.back(), "Cannot read " + tool.source + ": the file does not exist.");

  Bytes noMap = sample;
  noMap[4] = noMap[5] = noMap[6] = 0;
  const fs::path flat = folder.path() / "flat.fsh";
  ASSERT_TRUE(base::writeFileAtomically(flat, noMap));
  tool.source = flat.string();
  tool.make();
  EXPECT_EQ(ui.messages.back(), flat.string() + " is not a fish or tank file: its header gives no resource map (map offset 0).");
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ScalepaintFlow, MakeWritesTheRecolouredCopyAskingBeforeReplacing) {
  scalepaint::Scalepaint tool(ui, folder.path());
  tool.source = source.string();
  const fs::path out = folder.path() / "out.fsh";
  tool.destination = out.string();

  // Identity: a byte-identical copy.
  auto made = tool.make();
  EXPECT_EQ(made.outcome, ui::Outcome::Done);
  EXPECT_EQ(made.recoloured.sets, 4u);
  EXPECT_EQ(made.bytes, sample.size());
  EXPECT_EQ(read(out), sample);
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);

  // Replacing asks; No keeps the file, and so does Stop, without asking.
  for (auto& cell : tool.cells) cell = "1";
  ui.stopPressed = true;
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Cancelled);
  ui.stopPressed = false;
  EXPECT_TRUE(ui.questions.empty());
  ui.questionAnswers = {ui::Answer::No};
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Cancelled);
  EXPECT_EQ(ui.questions, Messages{out.string() + "  already exists.\nDo you want to replace it?"});
  EXPECT_EQ(read(out), sample);

  ui.questionAnswers = {ui::Answer::Yes};
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Done);
  const Bytes recoloured = read(out);
  ASSERT_EQ(recoloured.size(), sample.size());
  EXPECT_NE(recoloured, sample);
  EXPECT_EQ(read(source), sample);  // the source is never written
  EXPECT_TRUE(ui.messages.empty());

  // The source itself as destination is refused, even with Yes ready: MAKE never changes it.
  tool.destination = source.string();
  ui.questionAnswers = {ui::Answer::Yes};
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused);
  EXPECT_EQ(read(source), sample);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], source.string() + " is the source file: MAKE never changes its source. Type another file in the Destinate box.");
}

TEST_F(ScalepaintFlow, SaveAndOpenPaletteFiles) {
  scalepaint::Scalepaint tool(ui, folder.path());
  const fs::path file = folder.path() / "pal.dat";
  tool.cells[3] = "3.7";
  tool.cells[4] = "9";
  ui.saveAnswers = {std::nullopt, file};
  EXPECT_EQ(tool.savePalette(), ui::Outcome::Cancelled);
  EXPECT_EQ(tool.savePalette(), ui::Outcome::Done);
  EXPECT_EQ(ui.dialogs.back().title, "SAVE");
  EXPECT_EQ(ui.dialogs.back().filter, "DATA (*.dat)|*.dat");
  std::string expected;
  for (int n = 0; n < 256; ++n) expected += " " + std::to_string(n == 3 ? 4 : n == 4 ? 9 : n) + " \r\n";
  const Bytes written = read(file);
  EXPECT_EQ(std::string(written.begin(), written.end()), expected);

  // Saving over it asks first.
  ui.saveAnswers = {file};
  ui.questionAnswers = {ui::Answer::No};
  tool.cells[4] = "10";
  EXPECT_EQ(tool.savePalette(), ui::Outcome::Cancelled);
  EXPECT_EQ(ui.questions.back(), file.string() + "  already exists.\nDo you want to replace it?");
  EXPECT_EQ(read(file), written);

  // A bad entry is told before the dialog.
  tool.cells[7] = "300";
  const auto dialogs = ui.dialogs.size();
  EXPECT_EQ(tool.savePalette(), ui::Outcome::Refused);
  EXPECT_EQ(ui.dialogs.size(), dialogs);

  ui.openAnswers = {file};
  EXPECT_EQ(tool.openPalette(), ui::Outcome::Done);
  EXPECT_EQ(tool.cells[3], "4");
  EXPECT_EQ(tool.cells[4], "9");
  EXPECT_EQ(tool.cells[7], "7");
  EXPECT_EQ(ui.dialogs.back().title, "OPEN");
  EXPECT_EQ(ui.dialogs.back().filter, "DATA (*.dat)|*.dat");
}

TEST_F(ScalepaintFlow, AnUnusablePaletteFileLeavesTheRows) {
  scalepaint::Scalepaint tool(ui, folder.path());
  tool.cells[1] = "77";
  const auto before = tool.cells;
  const fs::path shortFile = folder.path() / "short.dat";
  write(shortFile, identityFile().substr(0, 100));
  ui.openAnswers = {shortFile, std::nullopt, folder.path() / "gone.dat"};
  EXPECT_EQ(tool.openPalette(), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(),
            "Cannot use the palette file " + shortFile.string() + ": it ends after 19 lines, but it must hold 256, one entry each.");
  EXPECT_EQ(tool.openPalette(), ui::Outcome::Cancelled);
  EXPECT_EQ(tool.openPalette(), ui::Outcome::Refused);
  EXPECT_EQ(tool.cells, before);
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(ScalepaintFlow, PreView) {
  scalepaint::Scalepaint tool(ui, folder.path());
  EXPECT_EQ(tool.preview().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, Messages{"Source Aquarium ?"});

  tool.source = source.string();
  auto drawn = tool.preview();
  EXPECT_EQ(drawn.outcome, ui::Outcome::Done);
  EXPECT_TRUE(drawn.foundSet);
  EXPECT_EQ(drawn.kindName, samples::sampleFishTexts().name);
  EXPECT_GT(drawn.image.drawn, 0u);

  for (auto& cell : tool.cells) cell = "0";
  EXPECT_EQ(tool.preview().image.drawn, 0u);
  tool.cells[20] = "x";  // reads 0
  tool.cells[21] = "-5";
  EXPECT_EQ(tool.preview().outcome, ui::Outcome::Refused);
  EXPECT_NE(ui.messages.back().find("Row 22"), std::string::npos);
}

}  // namespace
