// finsplit's actions as the person meets them: the dialogs, the messages, the files written.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "finsplit/finsplit.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/samples.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

std::size_t fileCount(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

class FinsplitFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    fish = folder.path() / "sample.fsh";
    ASSERT_TRUE(samples::writeFish(fish));
    out = folder.path() / "out";
    fs::create_directories(out);
  }
  test::TempFolder folder;
  fs::path fish, out;
  ui::ScriptedUi ui;
};

TEST_F(FinsplitFlow, CaptionCarriesTheVersion) {
  EXPECT_EQ(finsplit::windowCaption(), "FinSplit for BRINMOOR    Ver1.0.0");
}

TEST_F(FinsplitFlow, CutAsksWithTheOpenDialogAndWritesEveryFrameBack) {
  finsplit::Finsplit tool(ui, out);
  ui.openAnswers.push_back(fish);
  auto result = tool.cut();
  EXPECT_EQ(result.outcome, ui::Outcome::Done);
  EXPECT_EQ(result.written, 144u);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");
  EXPECT_EQ(ui.dialogs[0].filter, "Brinmoor Fish file(*.fsh)|*.fsh");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_EQ(fileCount(out), 144u);
  for (std::size_t n : {0u, 63u, 64u, 111u, 112u, 127u, 128u, 143u}) {
    char name[16];
    std::snprintf(name, sizeof name, "%04zu.bmp", n);
    auto cut = base::readFile(out / name, 1 << 20);
    ASSERT_TRUE(cut) << name;
    // The sample frames are drawn in the system palette, so the whole file comes back.
    EXPECT_EQ(*cut, samples::frameBitmap(n)) << name;
  }
}

TEST_F(FinsplitFlow, CancelledDialogOrStopIsQuietAndWritesNothing) {
  finsplit::Finsplit tool(ui, out);
  EXPECT_EQ(tool.cut().outcome, ui::Outcome::Cancelled);
  ui.stopPressed = true;
  EXPECT_EQ(tool.cutFile(fish).outcome, ui::Outcome::Cancelled);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(fileCount(out), 0u);
}

TEST_F(FinsplitFlow, SetFolderTakesTheDialogsFolderAndKeepsTheOldOneOnCancel) {
  finsplit::Finsplit tool(ui, out);
  ui.folderAnswers.push_back(folder.path());
  tool.setFolder();
  EXPECT_EQ(tool.saveFolder(), folder.path());
  tool.setFolder();  // cancelled
  EXPECT_EQ(tool.saveFolder(), folder.path());
}

TEST_F(FinsplitFlow, AFileWithoutAnimationSetsIsRefusedAndWritesNothing) {
  const auto plain = folder.path() / "plain.fsh";
  ASSERT_TRUE(base::writeFileAtomically(plain, Bytes(600, 0)));
  finsplit::Finsplit tool(ui, out);
  auto result = tool.cutFile(plain);
  EXPECT_EQ(result.outcome, ui::Outcome::Refused);
  EXPECT_EQ(result.written, 0u);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "No animation sets found in " + base::displayPath(plain) + ".");
}

TEST_F(FinsplitFlow, ASaveFolderThatIsMissingOrAFileIsRefusedWithAMessage) {
  finsplit::Finsplit missing(ui, folder.path() / "nowhere");
  EXPECT_EQ(missing.cutFile(fish).outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("does not exist"), std::string::npos);

  finsplit::Finsplit notFolder(ui, fish);
  EXPECT_EQ(notFolder.cutFile(fish).outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[1].find("is not a folder"), std::string::npos);
}

TEST_F(FinsplitFlow, AFileOverTheLimitIsRefusedBeforeItIsRead) {
  const auto big = folder.path() / "big.fsh";
  ASSERT_TRUE(base::writeFileAtomically(big, Bytes(3'000'002, 0)));
  finsplit::Finsplit tool(ui, out);
  EXPECT_EQ(tool.cutFile(big).outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("3,000,001"), std::string::npos);
}

TEST_F(FinsplitFlow, ATruncatedFishIsRefusedNamingTheFrameAndLeavesTheFolderEmpty) {
  auto data = *base::readFile(fish, 1 << 22);
  // Cut the file inside the first animation set's data, keeping its map offset.
  data.resize(20'000);
  const auto truncated = folder.path() / "truncated.fsh";
  ASSERT_TRUE(base::writeFileAtomically(truncated, data));
  finsplit::Finsplit tool(ui, out);
  // The map lies past the cut, so no set is found: nothing is cut.
  EXPECT_EQ(tool.cutFile(truncated).written, 0u);

  // Keep the map but damage a frame's stream length inside the first set.
  auto damaged = *base::readFile(fish, 1 << 22);
  const std::size_t firstSet = 256 + 4 + 48 + 4 + 24 + 4 + 8 + 4 + 96 + 4 + 32 + 4 + 160 + 4 + samples::iconBitmap().size() + 4;
  ASSERT_EQ(damaged[firstSet], 8);  // eight animations
  const std::size_t secondFrame = firstSet + 4 + 14 + base::getU16(&damaged[firstSet + 4 + 10]);
  base::putU16(&damaged[secondFrame + 10], 3);
  const auto broken = folder.path() / "broken.fsh";
  ASSERT_TRUE(base::writeFileAtomically(broken, damaged));
  auto result = tool.cutFile(broken);
  EXPECT_EQ(result.outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[1].find("Frame 0001"), std::string::npos) << ui.messages[1];
  EXPECT_EQ(fileCount(out), 0u);
}

}  // namespace
