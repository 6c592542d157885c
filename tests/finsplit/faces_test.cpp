// finsplit's faces agree: cutting the same fish file from the command line and from the
// window's flow writes the same bitmaps.
#include <gtest/gtest.h>

#include "finsplit/command.hpp"
#include "finsplit/finsplit.hpp"
#include "samples/samples.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

TEST(FinsplitFaces, BothWriteTheSameBitmaps) {
  test::TempFolder folder;
  const auto fish = folder.path() / "sample.fsh", cli = folder.path() / "cli", window = folder.path() / "window";
  ASSERT_TRUE(samples::writeFish(fish));
  fs::create_directories(cli);
  fs::create_directories(window);

  const auto run = test::runVerb(finsplit::addCommand, {"finsplit", fish.string(), "--out", cli.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  finsplit::Finsplit tool(scripted, window);
  scripted.openAnswers.push_back(fish);
  ASSERT_EQ(tool.cut().outcome, ui::Outcome::Done);

  std::size_t compared = 0;
  for (const auto& entry : fs::directory_iterator(window)) {
    EXPECT_EQ(test::fileBytes(cli / entry.path().filename()), test::fileBytes(entry.path())) << entry.path();
    ++compared;
  }
  EXPECT_EQ(compared, 144u);
  EXPECT_EQ(std::distance(fs::directory_iterator(cli), fs::directory_iterator()), 144);
}

}  // namespace
