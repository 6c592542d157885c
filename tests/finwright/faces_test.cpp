// finwright's faces agree: the same frames, icon and boxes give the same fish file from the
// command line as from the window's flow.
#include <gtest/gtest.h>

#include "finwright/command.hpp"
#include "finwright/finwright.hpp"
#include "samples/samples.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(FinwrightFaces, BothWriteTheSameFishFile) {
  test::TempFolder folder;
  const auto frames = folder.path() / "frames", library = folder.path() / "fish.lib";
  ASSERT_TRUE(samples::writeFrames(frames));
  ASSERT_TRUE(samples::writeLibrary(library));
  const auto texts = samples::sampleFishTexts();

  const auto run = test::runVerb(finwright::addCommand,
                                 {"finwright", "--icon", (frames / "icon.bmp").string(), "--frames", frames.string(),
                                  "--library", library.string(), "--id", "42abc", "--name", texts.name, "--latin",
                                  texts.latin, "--genre", texts.genre, "--habitat", texts.habitat, "--description",
                                  texts.description, "--out", (folder.path() / "cli.fsh").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  finwright::Finwright tool(scripted, folder.path());
  ASSERT_EQ(tool.chooseIcon(frames / "icon.bmp"), ui::Outcome::Done);
  tool.setImageFolder(frames);
  tool.boxes = {"42abc", texts.name, texts.latin, texts.genre, texts.habitat, texts.description};
  scripted.saveAnswers.push_back(folder.path() / "window.fsh");
  ASSERT_EQ(tool.build().outcome, ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(folder.path() / "cli.fsh"), test::fileBytes(folder.path() / "window.fsh"));
  EXPECT_FALSE(test::fileBytes(folder.path() / "cli.fsh").empty());
}

}  // namespace
