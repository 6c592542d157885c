// pelletry's faces agree: the same boxes give the same food file from the command line as
// from the window's flow, line breaks and the memo box's limit included.
#include <gtest/gtest.h>

#include <algorithm>

#include "pelletry/command.hpp"
#include "pelletry/pelletry.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

class PelletryFaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base::writeFileAtomically(picture, samples::foodPicture()));
    ASSERT_TRUE(base::writeFileAtomically(frame, samples::foodFrame(1)));
  }
  test::VerbRun commandLine(const std::string& memo, const fs::path& out) {
    return test::runVerb(pelletry::addCommand, {"pelletry", "--name", "Flakes", "--memo", memo, "--id", "5", "--kind", "2",
                                                "--picture", picture.string(), "--frame", frame.string(), "--frame",
                                                frame.string(), "--out", out.string()});
  }
  pelletry::SaveResult window(const std::string& memo, const fs::path& out) {
    pelletry::Pelletry tool(scripted);
    tool.boxes = {"Flakes", memo, "5", 2};  // the memo as the box gives it, with LF line breaks
    tool.setPicture(picture.string());
    tool.addFrame(frame.string());
    tool.addFrame(frame.string());
    scripted.saveAnswers.push_back(out);
    return tool.save();
  }

  test::TempFolder folder;
  fs::path picture = folder.path() / "picture.bmp", frame = folder.path() / "frame.bmp";
  ui::ScriptedUi scripted;
};

TEST_F(PelletryFaces, BothWriteTheSameFileWithTheMemosLineBreaksAsCrLf) {
  const std::string memo = "Sinks slowly.\nFloats in a current.";
  const auto run = commandLine(memo, folder.path() / "cli.fd");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(window(memo, folder.path() / "window.fd").outcome, ui::Outcome::Done);
  const base::Bytes written = test::fileBytes(folder.path() / "cli.fd");
  EXPECT_EQ(written, test::fileBytes(folder.path() / "window.fd"));
  const std::string stored = "slowly.\r\nFloats";
  EXPECT_NE(std::search(written.begin(), written.end(), stored.begin(), stored.end()), written.end());
}

TEST_F(PelletryFaces, BothRefuseAMemoOverTheBoxLimitWhereALineBreakCountsTwo) {
  const std::string memo = std::string(300, 'm') + "\n" + std::string(211, 'm');  // 512 typed, 513 stored
  const std::string said = "The memo is 513 characters long; it holds at most 512 (a line break counts two).";
  const auto run = commandLine(memo, folder.path() / "cli.fd");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, said + "\n");
  EXPECT_EQ(window(memo, folder.path() / "window.fd").outcome, ui::Outcome::Refused);
  EXPECT_EQ(scripted.messages, std::vector<std::string>{said});
  EXPECT_FALSE(fs::exists(folder.path() / "cli.fd"));
}

}  // namespace
