// scalepaint's faces agree: the same palette, written and used, gives the same palette file
// and the same recoloured file from the command line as from the window's flow.
#include <gtest/gtest.h>

#include "samples/samples.hpp"
#include "scalepaint/command.hpp"
#include "scalepaint/scalepaint.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(ScalepaintFaces, BothWriteTheSamePaletteAndTheSameRecolouredFish) {
  test::TempFolder folder;
  const auto& in = folder.path();
  ASSERT_TRUE(samples::writeFish(in / "sample.fsh"));

  auto run = test::runVerb(scalepaint::addCommand, {"scalepaint", "palette", (in / "cli.dat").string(), "--fill", "37.6"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  run = test::runVerb(scalepaint::addCommand, {"scalepaint", "make", (in / "sample.fsh").string(), "--palette",
                                               (in / "cli.dat").string(), "--out", (in / "cli.fsh").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  scalepaint::Scalepaint tool(scripted, in);
  tool.cells[0] = "37.6";
  tool.fill();
  scripted.saveAnswers.push_back(in / "window.dat");
  ASSERT_EQ(tool.savePalette(), ui::Outcome::Done);
  tool.source = (in / "sample.fsh").string();
  tool.destination = (in / "window.fsh").string();
  ASSERT_EQ(tool.make().outcome, ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(in / "cli.dat"), test::fileBytes(in / "window.dat"));
  EXPECT_EQ(test::fileBytes(in / "cli.fsh"), test::fileBytes(in / "window.fsh"));
  EXPECT_NE(test::fileBytes(in / "cli.fsh"), test::fileBytes(in / "sample.fsh"));
}

}  // namespace
