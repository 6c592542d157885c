// fernwright's faces agree: the same files and boxes give the same plant file from the
// command line as from the window's flow, in either code page.
#include <gtest/gtest.h>

#include "fernwright/command.hpp"
#include "fernwright/fernwright.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(FernwrightFaces, BothWriteTheSamePlantFile) {
  test::TempFolder folder;
  std::array<std::filesystem::path, fernwright::kInputCount> paths = {
      folder.path() / "icon.bmp", folder.path() / "top.bmp", folder.path() / "front.bmp", folder.path() / "text.txt"};
  ASSERT_TRUE(base::writeFileAtomically(paths[0], samples::plantIcon()));
  ASSERT_TRUE(base::writeFileAtomically(paths[1], samples::plantTop()));
  ASSERT_TRUE(base::writeFileAtomically(paths[2], samples::plantFront()));
  ASSERT_TRUE(base::writeFileAtomically(paths[3], base::asBytes(samples::plantDescription())));

  const auto run = test::runVerb(
      fernwright::addCommand,
      {"fernwright", "--id", "300", "--latin", "Fern", "--scientific", "Filix café", "--name", "Fougère", "--redd",
       "--icon", paths[0].string(), "--top", paths[1].string(), "--front", paths[2].string(), "--description",
       paths[3].string(), "--out", (folder.path() / "cli.plt").string()},
      base::CodePage::Cp1252);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  fernwright::Fernwright tool(scripted, base::CodePage::Cp1252);
  tool.boxes = {"300", "Fern", "Filix café", "Fougère", true};
  for (std::size_t i = 0; i < fernwright::kInputCount; ++i) tool.setPath(static_cast<fernwright::Input>(i), paths[i].string());
  scripted.saveAnswers.push_back(folder.path() / "window.plt");
  ASSERT_EQ(tool.create().outcome, ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(folder.path() / "cli.plt"), test::fileBytes(folder.path() / "window.plt"));
  EXPECT_FALSE(test::fileBytes(folder.path() / "cli.plt").empty());
}

}  // namespace
