#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "base/file_io.hpp"
#include "support/test_folder.hpp"
#include "ui/cli_ui.hpp"
#include "ui/file_state.hpp"
#include "ui/overwrite.hpp"
#include "ui/paths.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

TEST(Paths, JoinsWithExactlyOneSeparatorAndKeepsDriveRoots) {
  EXPECT_EQ(ui::joinFolder("/home/ann", "0000.bmp"), "/home/ann/0000.bmp");
  EXPECT_EQ(ui::joinFolder("/home/ann/", "0000.bmp"), "/home/ann/0000.bmp");
  EXPECT_EQ(ui::joinFolder("/", "temp.tqn"), "/temp.tqn");
  EXPECT_EQ(ui::joinFolder("C:\\", "temp.tqn"), "C:\\temp.tqn");
  EXPECT_EQ(ui::joinFolder("C:\\Games", "temp.tqn"), "C:\\Games\\temp.tqn");
  EXPECT_EQ(ui::joinFolder("C:/Games", "temp.tqn"), "C:/Games/temp.tqn");  // as Qt writes it: not mixed
  EXPECT_EQ(ui::defaultOutputPath("/work", ".tqn"), "/work/temp.tqn");
  EXPECT_EQ(ui::defaultOutputPath("D:\\", ".fd"), "D:\\temp.fd");
  // A name that is a whole path is that path; a name ending in a separator names no file.
  EXPECT_EQ(ui::joinFolder(".", "/abs.tqn"), "/abs.tqn");
  EXPECT_EQ(ui::joinFolder("C:\\Games", "D:\\abs.tqn"), "D:\\abs.tqn");
  EXPECT_FALSE(ui::namesAFile(""));
  EXPECT_FALSE(ui::namesAFile("out/"));
  EXPECT_TRUE(ui::namesAFile("out/lake"));
  // A backslash ends a name only where it does not separate folders.
  EXPECT_EQ(ui::namesAFile("lake\\"), std::filesystem::path::preferred_separator != '\\');
}

TEST(Paths, TrimNullsCutsAtTheFirstNul) {
  using namespace std::string_view_literals;
  EXPECT_EQ(ui::trimNulls("abc\0def"sv), "abc");
  EXPECT_EQ(ui::trimNulls("\0abc"sv), "");
  EXPECT_EQ(ui::trimNulls("abc"sv), "abc");
}

TEST(FileState, TellsMissingFoldersHiddenAndPlainFiles) {
  test::TempFolder folder;
  const auto plain = folder.path() / "plain.bmp";
  const auto hidden = folder.path() / ".hidden.bmp";
  ASSERT_TRUE(base::writeFileAtomically(plain, base::Bytes{1}));
  ASSERT_TRUE(base::writeFileAtomically(hidden, base::Bytes{1}));
  EXPECT_EQ(ui::fileState(folder.path() / "none.bmp"), ui::FileState::Missing);
  EXPECT_EQ(ui::fileState(plain), ui::FileState::Plain);
  EXPECT_EQ(ui::fileState(hidden), ui::FileState::Hidden);
  EXPECT_EQ(ui::fileState(folder.path()), ui::FileState::Folder);
  fs::permissions(plain, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(ui::fileState(plain), ui::FileState::ReadOnly);
  // A hidden, read-only file is Hidden: the later test wins.
  fs::permissions(hidden, fs::perms::owner_read);
  EXPECT_EQ(ui::fileState(hidden), ui::FileState::Hidden);
}

TEST(Overwrite, AsksOnlyForExistingPathsWithTheFixedWording) {
  test::TempFolder folder;
  const auto path = folder.path() / "temp.fd";
  ui::ScriptedUi scripted;
  EXPECT_TRUE(ui::mayWrite(scripted, path));
  EXPECT_TRUE(scripted.questions.empty());

  ASSERT_TRUE(base::writeFileAtomically(path, base::Bytes{1}));
  EXPECT_FALSE(ui::mayWrite(scripted, path));
  ASSERT_EQ(scripted.questions.size(), 1u);
  EXPECT_EQ(scripted.questions[0], path.string() + "  already exists.\nDo you want to replace it?");
  scripted.questionAnswers.push_back(ui::Answer::Yes);
  EXPECT_TRUE(ui::mayWrite(scripted, path));
}

TEST(CliUi, AnswersDialogsByTitleAndPrintsMessages) {
  std::ostringstream err;
  ui::CliUi cli(err);
  cli.answerDialog("OPEN", "/tmp/a.fsh");
  EXPECT_EQ(cli.openFile({"OPEN", "", {}, {}}), fs::path("/tmp/a.fsh"));
  EXPECT_FALSE(cli.saveFile({"MAKE FISH", "", {}, {}}).has_value());
  EXPECT_EQ(cli.cancelledDialog(), "MAKE FISH");
  cli.message("ID is 0 - 127", {"", "128 was given"});
  EXPECT_EQ(cli.ask("Replace?", ui::Buttons::YesNo), ui::Answer::No);
  EXPECT_EQ(err.str(), "ID is 0 - 127\n128 was given\nReplace?\n(answered No; give --yes to answer Yes)\n");

  ui::CliUi yes(err, true);
  EXPECT_EQ(yes.ask("Replace?", ui::Buttons::YesNo), ui::Answer::Yes);
}

}  // namespace

#include "ui/number_box.hpp"

namespace {

TEST(NumberBox, ReadsTheLeadingNumberAsTheBoxesDo) {
  EXPECT_EQ(ui::leadingNumber("127"), 127);
  EXPECT_EQ(ui::leadingNumber("  42abc"), 42);
  EXPECT_EQ(ui::leadingNumber("-1"), -1);
  EXPECT_EQ(ui::leadingNumber("+3"), 3);
  EXPECT_EQ(ui::leadingNumber("12.5x"), 12.5);
  EXPECT_EQ(ui::leadingNumber(".25"), 0.25);
  EXPECT_EQ(ui::leadingNumber("abc"), 0);
  EXPECT_EQ(ui::leadingNumber(""), 0);
  EXPECT_EQ(ui::leadingNumber("-"), 0);
  EXPECT_EQ(ui::leadingNumber("1 2"), 1);
  // Too large for a double is too large, never 0; too small to tell from 0 is 0.
  const std::string huge(310, '9');
  EXPECT_EQ(ui::leadingNumber(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ui::leadingNumber("-" + huge + ".5"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ui::leadingNumber("0." + std::string(400, '0') + "1"), 0);
}

}  // namespace
