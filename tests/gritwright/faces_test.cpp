// gritwright's faces agree: the same bitmaps and boxes give the same gravel file from the
// command line as from the window's flow.
#include <gtest/gtest.h>

#include "gritwright/command.hpp"
#include "gritwright/gritwright.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(GritwrightFaces, BothWriteTheSameGravelFile) {
  test::TempFolder folder;
  const auto surface = folder.path() / "surface.bmp", aspect = folder.path() / "aspect.bmp";
  ASSERT_TRUE(base::writeFileAtomically(surface, samples::gravelSurface()));
  ASSERT_TRUE(base::writeFileAtomically(aspect, samples::gravelAspect()));

  const auto run = test::runVerb(gritwright::addCommand,
                                 {"gritwright", "--surface", surface.string(), "--aspect", aspect.string(), "--height",
                                  "57.9", "--length", "160px", "--out", (folder.path() / "cli.grv").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  gritwright::Gritwright tool(scripted, folder.path());
  tool.setBitmap(gritwright::Side::Surface, surface);
  tool.setBitmap(gritwright::Side::Aspect, aspect);
  tool.boxes = {"57.9", "160px", (folder.path() / "window.grv").string()};
  ASSERT_EQ(tool.make().outcome, ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(folder.path() / "cli.grv"), test::fileBytes(folder.path() / "window.grv"));
  EXPECT_FALSE(test::fileBytes(folder.path() / "cli.grv").empty());
}

}  // namespace
