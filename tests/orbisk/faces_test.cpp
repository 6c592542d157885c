// orbisk's faces agree: finding and saving every resource of a file from the command line and
// from the window's flow writes the same files.
#include <gtest/gtest.h>

#include "orbisk/command.hpp"
#include "orbisk/media.hpp"
#include "orbisk/orbisk.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

TEST(OrbiskFaces, BothSaveTheSameFiles) {
  test::TempFolder folder;
  const auto scanned = folder.path() / "mixed.dat", cli = folder.path() / "cli", window = folder.path() / "window";
  orbisk_test::Bytes content;
  orbisk_test::append(content, orbisk_test::filler(20, 1));
  orbisk_test::append(content, orbisk_test::plainBitmap());
  orbisk_test::append(content, orbisk_test::filler(300, 2));
  orbisk_test::append(content, orbisk_test::rleBitmap());
  ASSERT_TRUE(base::writeFileAtomically(scanned, content));
  fs::create_directories(cli);
  fs::create_directories(window);

  const auto run = test::runVerb(orbisk::addCommand, {"orbisk", "save", scanned.string(), "--all", "--out", cli.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  orbisk::Orbisk tool(scripted, folder.path());
  tool.fileName = scanned.string();
  tool.setOutputFolder(window);
  ASSERT_EQ(tool.find(), ui::Outcome::Done);
  ASSERT_EQ(tool.resources().size(), 2u);
  ASSERT_EQ(tool.save({0, 1}).outcome, ui::Outcome::Done);

  std::size_t compared = 0;
  for (const auto& entry : fs::directory_iterator(window)) {
    EXPECT_EQ(test::fileBytes(cli / entry.path().filename()), test::fileBytes(entry.path())) << entry.path();
    ++compared;
  }
  EXPECT_EQ(compared, 2u);
}

}  // namespace
