// gritwright's Make as the person meets it: the presets, the checks with their messages, the
// overwrite question, the Height and Length rule, and what happens to unusable bitmaps.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "gritwright/gritwright.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

class GritwrightMake : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = folder.path() / "surface.bmp";
    aspect = folder.path() / "aspect.bmp";
    ASSERT_TRUE(base::writeFileAtomically(surface, samples::gravelSurface()));
    ASSERT_TRUE(base::writeFileAtomically(aspect, samples::gravelAspect()));
    output = folder.path() / "out.grv";
  }
  gritwright::Gritwright ready() {
    gritwright::Gritwright tool(ui, folder.path());
    tool.setBitmap(gritwright::Side::Surface, surface);
    tool.setBitmap(gritwright::Side::Aspect, aspect);
    tool.boxes.output = output.string();
    return tool;
  }
  Bytes written() { return *base::readFile(output, 1 << 24); }

  test::TempFolder folder;
  fs::path surface, aspect, output;
  ui::ScriptedUi ui;
};

TEST_F(GritwrightMake, CaptionAndPresets) {
  EXPECT_EQ(gritwright::windowCaption(), "TQ Grit Wright      Ver 0.3.0");
  gritwright::Gritwright tool(ui, "/home/kim/gravel");
  EXPECT_EQ(tool.boxes.height, "57");
  EXPECT_EQ(tool.boxes.length, "90");
  EXPECT_EQ(tool.boxes.output, "/home/kim/gravel/temp.grv");
  EXPECT_EQ(gritwright::Gritwright(ui, "/").boxes.output, "/temp.grv");
  EXPECT_TRUE(tool.bitmapPath(gritwright::Side::Surface).empty());
}

TEST_F(GritwrightMake, MakeWritesBothBitmapsWholeAndTheSizes) {
  auto tool = ready();
  auto result = tool.make();
  ASSERT_EQ(result.outcome, ui::Outcome::Done) << (ui.messages.empty() ? "" : ui.messages[0]);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
  const Bytes file = written();
  const Bytes s = samples::gravelSurface(), a = samples::gravelAspect();
  ASSERT_EQ(file.size(), 276 + s.size() + a.size() + 109);
  EXPECT_EQ(result.bytes, file.size());
  EXPECT_EQ(Bytes(file.begin() + 272, file.begin() + 272 + static_cast<std::ptrdiff_t>(s.size())), s);
  EXPECT_EQ(Bytes(file.begin() + 276 + static_cast<std::ptrdiff_t>(s.size()), file.end() - 109), a);
  EXPECT_EQ(base::getU16(&file[260]), 57);
  EXPECT_EQ(base::getU16(&file[262]), 90);
}

TEST_F(GritwrightMake, BitmapsAreCheckedInOrderAndNothingIsWrittenWithoutThem) {
  gritwright::Gritwright tool(ui, folder.path());
  tool.boxes.output = output.string();
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused);
  tool.setBitmap(gritwright::Side::Aspect, aspect);
  tool.make();
  tool.setBitmap(gritwright::Side::Surface, surface);
  tool.setBitmap(gritwright::Side::Aspect, "");
  tool.make();
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Designate Surface file", "Designate Surface file",
                                                   "Designate Aspect file"}));
  EXPECT_FALSE(fs::exists(output));
}

TEST_F(GritwrightMake, ChoosingABitmapUsesTheOpenDialog) {
  gritwright::Gritwright tool(ui, folder.path());
  ui.openAnswers = {aspect, std::nullopt};
  EXPECT_EQ(tool.chooseBitmap(gritwright::Side::Aspect), ui::Outcome::Done);
  EXPECT_EQ(tool.chooseBitmap(gritwright::Side::Aspect), ui::Outcome::Cancelled);  // keeps the first choice
  EXPECT_EQ(tool.bitmapPath(gritwright::Side::Aspect), aspect.string());
  EXPECT_TRUE(tool.bitmapPath(gritwright::Side::Surface).empty());
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");
  EXPECT_EQ(ui.dialogs[0].filter, "(*.bmp)|*.bmp");
}

TEST_F(GritwrightMake, HeightAndLengthFollowTheBoxRule) {
  const std::pair<const char*, std::uint16_t> cases[] = {
      {"abc", 0}, {"-5", 0}, {"70000", 65535}, {"57.5", 58}, {"56.5", 56}, {" 12abc", 12}, {"", 0}, {"65535", 65535}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(gritwright::dimensionFromText(text), value) << text;
    auto tool = ready();
    tool.boxes.height = text;
    tool.boxes.length = text;
    ui.questionAnswers.push_back(ui::Answer::Yes);
    ASSERT_EQ(tool.make().outcome, ui::Outcome::Done) << text;
    const Bytes file = written();
    EXPECT_EQ(base::getU16(&file[260]), value) << text;
    EXPECT_EQ(base::getU16(&file[262]), value) << text;
  }
}

TEST_F(GritwrightMake, AnExistingOutputIsReplacedOnlyOnYes) {
  ASSERT_TRUE(base::writeFileAtomically(output, base::asBytes("old")));
  auto tool = ready();
  ui.questionAnswers = {ui::Answer::No, ui::Answer::Yes};
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Cancelled);
  EXPECT_EQ(written(), Bytes({'o', 'l', 'd'}));
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Done);
  EXPECT_GT(written().size(), 3u);
  EXPECT_EQ(ui.questions, std::vector<std::string>(2, output.string() + "  already exists.\nDo you want to replace it?"));
  EXPECT_FALSE(ui.wasBusy && ui.busyDepth != 0);
}

TEST_F(GritwrightMake, AFolderInTheOutputsPlaceIsAskedAboutAndLeftAlone) {
  fs::create_directory(output);
  auto tool = ready();
  ui.questionAnswers = {ui::Answer::Yes};
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.questions.size(), 1u);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("out.grv"), std::string::npos) << ui.messages[0];
  EXPECT_TRUE(fs::is_directory(output));
}

TEST_F(GritwrightMake, UnusableBitmapsAreNamedAndNothingIsWritten) {
  const fs::path tiny = folder.path() / "tiny.bmp", empty = folder.path() / "empty.bmp";
  ASSERT_TRUE(base::writeFileAtomically(tiny, Bytes{'B', 'M', 0x10, 0, 0}));
  ASSERT_TRUE(base::writeFileAtomically(empty, base::ByteSpan{}));
  const struct {
    gritwright::Side side;
    fs::path file;
    const char* says;
  } cases[] = {{gritwright::Side::Surface, folder.path() / "vanished.bmp", "does not exist"},
               {gritwright::Side::Aspect, folder.path() / "vanished.bmp", "does not exist"},
               {gritwright::Side::Surface, tiny, "5 bytes long"},
               {gritwright::Side::Aspect, empty, "0 bytes long"},
               {gritwright::Side::Aspect, folder.path(), "folder"}};
  for (const auto& c : cases) {
    ui.messages.clear();
    auto tool = ready();
    tool.setBitmap(c.side, c.file);
    EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused) << c.file;
    ASSERT_EQ(ui.messages.size(), 1u) << c.file;
    const std::string& text = ui.messages[0];
    EXPECT_NE(text.find(gritwright::sideName(c.side)), std::string::npos) << text;
    EXPECT_NE(text.find(base::displayPath(c.file)), std::string::npos) << text;
    EXPECT_NE(text.find(c.says), std::string::npos) << text;
    EXPECT_FALSE(fs::exists(output)) << c.file;
    EXPECT_EQ(ui.busyDepth, 0);
  }
}

TEST_F(GritwrightMake, AnEmptyOutputBoxIsRefused) {
  auto tool = ready();
  tool.boxes.output.clear();
  EXPECT_EQ(tool.make().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
