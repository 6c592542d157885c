// gritpress's faces agree: the same bitmaps and boxes give the same gravel file from the
// command line as from the window's flow.
#include <gtest/gtest.h>

#include "gritpress/command.hpp"
#include "gritpress/gritpress.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(GritpressFaces, BothWriteTheSameGravelFile) {
  test::TempFolder folder;
  const auto top = folder.path() / "top.bmp", side = folder.path() / "side.bmp";
  ASSERT_TRUE(base::writeFileAtomically(top, samples::gravelSurface()));
  ASSERT_TRUE(base::writeFileAtomically(side, samples::gravelAspect()));

  const auto run = test::runVerb(gritpress::addCommand, {"gritpress", "--top", top.string(), "--side", side.string(),
                                                         "--height", "57", "--depth", " 90 ", "--out",
                                                         (folder.path() / "cli.grv").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  gritpress::Gritpress tool(scripted);
  tool.chooseInput(gritpress::Side::Top, top);
  tool.chooseInput(gritpress::Side::Side, side);
  tool.boxes = {"57", " 90 ", (folder.path() / "window.grv").string()};
  ASSERT_EQ(tool.output().outcome, ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(folder.path() / "cli.grv"), test::fileBytes(folder.path() / "window.grv"));
  EXPECT_FALSE(test::fileBytes(folder.path() / "cli.grv").empty());
}

}  // namespace
