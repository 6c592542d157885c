// Create as the person meets it: the ten checks in their order with their messages, the save
// dialog and its ".plt" rule, the file written, and what happens when a file lets it down.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/file_io.hpp"
#include "fernwright/fernwright.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using fernwright::CreateResult;
using fernwright::Fernwright;
using ui::Outcome;

class Create : public ::testing::Test {
 protected:
  fs::path write(const std::string& name, const base::Bytes& data) {
    const fs::path file = folder.path() / name;
    EXPECT_TRUE(base::writeFileAtomically(file, data));
    return file;
  }
  fs::path writeText(const std::string& name, std::size_t length) { return write(name, base::Bytes(length, 'x')); }

  // The sample icon, top and front views and a description chosen.
  void chooseAll() {
    tool.setPath(fernwright::kIcon, write("icon.bmp", samples::plantIcon()).string());
    tool.setPath(fernwright::kTop, write("top.bmp", samples::plantTop()).string());
    tool.setPath(fernwright::kFront, write("front.bmp", samples::plantFront()).string());
    tool.setPath(fernwright::kDescription, writeText("description.txt", 40).string());
  }

  // Create with the save dialog answered; the message shown, or "" when there was none.
  std::string createMessage(const fs::path& save = {}) {
    ui.messages.clear();
    ui.saveAnswers.push_back(save.empty() ? folder.path() / "out.plt" : save);
    last = tool.create();
    return ui.messages.empty() ? "" : ui.messages.front();
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  Fernwright tool{ui};
  CreateResult last;
};

TEST_F(Create, StartsWithThePresets) {
  EXPECT_EQ(tool.boxes.id, "128");
  EXPECT_EQ(tool.boxes.latin, "Sample");
  EXPECT_EQ(tool.boxes.scientific, "Sample2");
  EXPECT_EQ(tool.boxes.name, "Sample3");
  EXPECT_FALSE(tool.boxes.redd);
  EXPECT_EQ(fernwright::windowCaption(), "Fern Wright      Ver 1.0.0");
}

TEST_F(Create, ChecksTheIdFirst) {
  for (const char* id : {"127", "32767", "abc", "", "127.9", "32766.5"}) {
    tool.boxes.id = id;
    tool.boxes.latin = "";
    EXPECT_EQ(createMessage(), "ID is 128-32766") << id;
  }
  for (const char* id : {"128", "32766", " 200abc"}) {
    tool.boxes.id = id;
    EXPECT_EQ(createMessage(), "Latin is 1-32 letters") << id;
  }
}

TEST_F(Create, CountsNamesInBytesOfTheCodePage) {
  chooseAll();
  const std::string kanji16 = "金魚金魚金魚金魚金魚金魚金魚金魚";
  const std::pair<std::string, std::string> cases[] = {{std::string(32, 'a'), ""},
                                                       {std::string(33, 'a'), "Latin is 1-32 letters"},
                                                       {kanji16, ""},
                                                       {kanji16 + "藻", "Latin is 1-32 letters"},
                                                       {kanji16.substr(0, 45) + "a", ""},
                                                       {"", "Latin is 1-32 letters"}};
  for (const auto& [latin, message] : cases) {
    tool.boxes.latin = latin;
    EXPECT_EQ(createMessage(), message) << latin;
  }
  tool.boxes.latin = "Sample";
  tool.boxes.scientific = "";
  EXPECT_EQ(createMessage(), "Scientifique is 1-32 letters");
  tool.boxes.scientific = "Sample2";
  tool.boxes.name = std::string(33, 'n');
  EXPECT_EQ(createMessage(), "Name is 1-32 letters");
}

TEST_F(Create, AsksForEveryFileInOrder) {
  EXPECT_EQ(createMessage(), "Designate ICON file");
  chooseAll();
  const std::pair<fernwright::Input, const char*> order[] = {{fernwright::kIcon, "Designate ICON file"},
                                                             {fernwright::kTop, "Designate TOP file"},
                                                             {fernwright::kFront, "Designate FRONT file"},
                                                             {fernwright::kDescription, "Designate Description file"}};
  for (const auto& [input, message] : order) {
    const std::string kept = tool.path(input);
    tool.setPath(input, "");
    EXPECT_EQ(createMessage(), message);
    EXPECT_EQ(last.outcome, Outcome::Refused);
    tool.setPath(input, kept);
  }
  EXPECT_TRUE(ui.dialogs.empty());  // no save dialog before the checks pass
}

TEST_F(Create, MeasuresTheDescriptionThenTheIcon) {
  chooseAll();
  const std::pair<std::size_t, const char*> descriptions[] = {{0, "Description Size is 1-512 bytes"},
                                                              {513, "Description Size is 1-512 bytes"},
                                                              {512, ""},
                                                              {1, ""}};
  for (const auto& [length, message] : descriptions) {
    tool.setPath(fernwright::kDescription, writeText("d.txt", length).string());
    EXPECT_EQ(createMessage(), message) << length;
  }
  base::Bytes icon = samples::plantIcon();
  ASSERT_EQ(icon.size(), 8050u);
  icon.push_back(0);
  tool.setPath(fernwright::kIcon, write("icon8051.bmp", icon).string());
  EXPECT_EQ(createMessage(), "ICON resolution is 83x83 pixel with 256 color");
  icon.push_back(0);
  tool.setPath(fernwright::kIcon, write("icon8052.bmp", icon).string());
  EXPECT_EQ(createMessage(), "");
  EXPECT_EQ(last.outcome, Outcome::Done);
  tool.setPath(fernwright::kIcon, writeText("small.bmp", 8049).string());
  EXPECT_EQ(createMessage(), "ICON resolution is 83x83 pixel with 256 color");
}

TEST_F(Create, SavesUnderAPlantName) {
  chooseAll();
  ui.saveAnswers.push_back(std::nullopt);
  EXPECT_EQ(tool.create().outcome, Outcome::Cancelled);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].filter, "Plant file (*.plt)|*.plt");
  ui.saveAnswers.push_back(fs::path());
  EXPECT_EQ(tool.create().outcome, Outcome::Cancelled);
  EXPECT_TRUE(ui.messages.empty());

  const std::pair<const char*, const char*> names[] = {
      {"rush", "rush.plt"}, {"rush.Plt", "rush.Plt.plt"}, {"rush.plt", "rush.plt"}, {"RUSH.PLT", "RUSH.PLT"}, {"plt", "plt.plt"}};
  for (const auto& [chosen, saved] : names) {
    EXPECT_EQ(createMessage(folder.path() / chosen), "");
    EXPECT_EQ(last.output, folder.path() / saved);
    EXPECT_TRUE(fs::exists(folder.path() / saved)) << saved;
  }
  EXPECT_EQ(fernwright::withPlantExtension("a/b.txt"), fs::path("a/b.txt.plt"));
}

TEST_F(Create, WritesThePlantFileOverALongerOne) {
  chooseAll();
  const fs::path out = write("rush.plt", base::Bytes(100000, 7));
  tool.boxes = {.id = "300.4", .latin = "Acorus", .scientific = "gramineus", .name = "Rush1", .redd = true};
  EXPECT_EQ(createMessage(out), "");
  const std::size_t expected = 2256 + samples::plantIcon().size() + samples::plantTop().size() + samples::plantFront().size() + 10;
  EXPECT_EQ(last.bytes, expected);
  auto file = base::readFile(out, 1 << 20);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), expected);
  EXPECT_EQ((*file)[260 + 10] | (*file)[260 + 11] << 8, 300);  // the ID, rounded
  EXPECT_EQ((*file)[260 + 13], 1);                              // Redd
  EXPECT_EQ((*file)[278 + 260] | (*file)[278 + 261] << 8, 128);  // the sample front view's height
  EXPECT_EQ((*file)[278 + 262] | (*file)[278 + 263] << 8, 96);
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(Create, SaysWhyAFileLetItDownAndWritesNothing) {
  chooseAll();
  const fs::path out = write("keep.plt", base::Bytes(10, 7));
  auto expectKept = [&](const char* why) {
    EXPECT_EQ(last.outcome, Outcome::Refused) << why;
    auto kept = base::readFile(out, 100);
    EXPECT_TRUE(kept && kept->size() == 10) << why;
  };

  // The icon vanished before it was measured.
  const std::string icon = tool.path(fernwright::kIcon);
  tool.setPath(fernwright::kIcon, (folder.path() / "gone.bmp").string());
  EXPECT_NE(createMessage(out).find("gone.bmp"), std::string::npos);
  expectKept("icon gone");
  tool.setPath(fernwright::kIcon, icon);

  // The description is a folder, not a file.
  const std::string description = tool.path(fernwright::kDescription);
  tool.setPath(fernwright::kDescription, folder.path().string());
  EXPECT_NE(createMessage(out).find("Cannot read"), std::string::npos);
  expectKept("description a folder");
  tool.setPath(fernwright::kDescription, description);

  // A top view that is gone or too short to be a bitmap.
  const std::string top = tool.path(fernwright::kTop);
  tool.setPath(fernwright::kTop, (folder.path() / "missing.bmp").string());
  EXPECT_NE(createMessage(out).find("missing.bmp"), std::string::npos);
  expectKept("top gone");
  tool.setPath(fernwright::kTop, write("tiny.bmp", {'B', 'M', 9}).string());
  EXPECT_NE(createMessage(out).find("TOP file is 3 bytes long"), std::string::npos);
  expectKept("top short");
  tool.setPath(fernwright::kTop, top);

  // A front view stored top-down.
  base::Bytes front = samples::plantFront();
  front[22] = 0x80, front[23] = 0xFF, front[24] = 0xFF, front[25] = 0xFF;  // height -128
  tool.setPath(fernwright::kFront, write("topdown.bmp", front).string());
  EXPECT_NE(createMessage(out).find("FRONT bitmap's height (-128)"), std::string::npos) << ui.messages.at(0);
  expectKept("front top-down");
}

TEST(Preview, KeepsSmallPicturesAndFitsLargeOnes) {
  using fernwright::PreviewSize;
  using fernwright::previewSize;
  // 2500 × 2900 hundredths of a millimetre are 94.5 × 109.6 pixels; the box is 167 × 193.
  EXPECT_EQ(previewSize(64, 64), (PreviewSize{64, 64}));
  EXPECT_EQ(previewSize(94, 109), (PreviewSize{94, 109}));
  EXPECT_EQ(previewSize(95, 50), (PreviewSize{167, 88}));   // wider than tall: full width
  EXPECT_EQ(previewSize(96, 128), (PreviewSize{145, 193}));  // the sample front view: full height
  EXPECT_EQ(previewSize(400, 100), (PreviewSize{167, 42}));
  EXPECT_EQ(previewSize(50, 110), (PreviewSize{88, 193}));
}

}  // namespace
