// finwright's Build as the person meets it: the checks in their order with their messages,
// the dialogs, and the fish file it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "finsplit/cutter.hpp"
#include "finwright/finwright.hpp"
#include "fishfile/fish_library.hpp"
#include "fishfile/system_palette.hpp"
#include "samples/samples.hpp"
#include "support/scoped_environment.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

class FinwrightBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    frames = folder.path() / "frames";
    ASSERT_TRUE(samples::writeFrames(frames));
    ASSERT_TRUE(samples::writeLibrary(folder.path() / "fish.lib"));
    output = folder.path() / "out.fsh";
  }
  // A builder with every input set as the sample fish has them.
  std::unique_ptr<finwright::Finwright> readyBuilder() {
    auto builder = std::make_unique<finwright::Finwright>(ui, folder.path());
    EXPECT_EQ(builder->chooseIcon(frames / "icon.bmp"), ui::Outcome::Done);
    builder->setImageFolder(frames);
    const auto texts = samples::sampleFishTexts();
    builder->boxes = {"42", texts.name, texts.latin, texts.genre, texts.habitat, texts.description};
    return builder;
  }
  std::vector<std::string> buildWithId(const std::string& id) {
    auto builder = readyBuilder();
    builder->boxes.id = id;
    ui.saveAnswers.push_back(output);
    builder->build();
    return ui.messages;
  }

  test::TempFolder folder;
  fs::path frames, output;
  ui::ScriptedUi ui;
};

TEST_F(FinwrightBuild, CaptionCarriesTheVersion) {
  EXPECT_EQ(finwright::windowCaption(), "Finwright for Brinmoor  Version 1.0.0");
}

TEST_F(FinwrightBuild, BuildsTheSameFileAsTheSampleFishAndItCutsBackToTheFrames) {
  auto builder = readyBuilder();
  ui.saveAnswers.push_back(output);
  auto result = builder->build();
  ASSERT_EQ(result.outcome, ui::Outcome::Done) << (ui.messages.empty() ? "" : ui.messages[0]);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "MAKE FISH");
  EXPECT_EQ(ui.dialogs[0].filter, "Brinmoor Fish file (*.fsh)|*.fsh");
  auto built = *base::readFile(output, 1 << 22);
  EXPECT_EQ(result.bytes, built.size());
  EXPECT_EQ(built, *samples::sampleFish());

  std::size_t frame = 0;
  auto cut = finsplit::cutFishFile(built, [&](std::size_t n, base::ByteSpan bitmap) -> base::Result<void> {
    EXPECT_EQ(Bytes(bitmap.begin(), bitmap.end()), samples::frameBitmap(n)) << "frame " << n;
    ++frame;
    return {};
  });
  EXPECT_EQ(*cut, 144u);
}

TEST_F(FinwrightBuild, ChecksRunInOrderAndTheFirstFailureWins) {
  finwright::Finwright builder(ui, folder.path());
  builder.boxes.id = "500";
  builder.boxes.name = "";
  builder.build();
  builder.chooseIcon(frames / "icon.bmp");
  builder.build();
  builder.setImageFolder(frames);
  builder.build();
  builder.boxes.id = "7";
  builder.build();
  builder.boxes.name = "Nemo";
  builder.build();  // the MAKE FISH dialog, cancelled
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"You must set Icon image.", "Please set Image Folder", "ID is 0 - 127",
                                                   "Please set Fish Name"}));
  EXPECT_EQ(ui.dialogs.size(), 1u);
  EXPECT_FALSE(fs::exists(output));
}

TEST_F(FinwrightBuild, TheIdBoxIsReadAsItsLeadingNumber) {
  EXPECT_TRUE(buildWithId("127").empty());
  auto file = *base::readFile(output, 1 << 22);
  // Resource 1's number in the first reference entry: 127 × 200 + 300 = 25,700.
  const std::size_t map = base::getU32(&file[4]);
  EXPECT_EQ(base::getU16(&file[map + 182]), 25'700);

  EXPECT_EQ(buildWithId("128"), std::vector<std::string>{"ID is 0 - 127"});
  ui.messages.clear();
  EXPECT_EQ(buildWithId("-1"), std::vector<std::string>{"ID is 0 - 127"});
  ui.messages.clear();
  EXPECT_TRUE(buildWithId("abc").empty());
  file = *base::readFile(output, 1 << 22);
  EXPECT_EQ(base::getU16(&file[base::getU32(&file[4]) + 182]), 300);
}

TEST_F(FinwrightBuild, TheDefaultTextsBuildAFishCalledEditMe) {
  finwright::Finwright builder(ui, folder.path());
  builder.chooseIcon(frames / "icon.bmp");
  builder.setImageFolder(frames);
  ui.saveAnswers.push_back(output);
  ASSERT_EQ(builder.build().outcome, ui::Outcome::Done);
  auto file = *base::readFile(output, 1 << 22);
  const std::size_t map = base::getU32(&file[4]);
  // The first name copy after the 42 template bytes of the name list.
  EXPECT_EQ(file[map + 1004], 7);
  EXPECT_EQ(std::string(file.begin() + static_cast<std::ptrdiff_t>(map + 1005), file.begin() + static_cast<std::ptrdiff_t>(map + 1012)), "Edit me");
}

TEST_F(FinwrightBuild, TheIconIsTestedWhenChosen) {
  finwright::Finwright builder(ui, folder.path());
  Bytes deep = samples::iconBitmap();
  deep[28] = 24;
  base::writeFileAtomically(folder.path() / "deep.bmp", deep);
  EXPECT_EQ(builder.chooseIcon(folder.path() / "deep.bmp"), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Finwright cannot import files with RLE or 16M color format."});
  EXPECT_TRUE(builder.iconPath().empty());

  Bytes small(32, 0xFF);  // 32 bytes or less: taken without the test
  base::writeFileAtomically(folder.path() / "small.bmp", small);
  EXPECT_EQ(builder.chooseIcon(folder.path() / "small.bmp"), ui::Outcome::Done);
  Bytes four = samples::iconBitmap();
  four[28] = 4;
  base::writeFileAtomically(folder.path() / "four.bmp", four);
  EXPECT_EQ(builder.chooseIcon(folder.path() / "four.bmp"), ui::Outcome::Done);
  EXPECT_EQ(builder.iconPath(), (folder.path() / "four.bmp").string());

  ui.openAnswers.push_back(folder.path() / "small.bmp");
  EXPECT_EQ(builder.icon(), ui::Outcome::Done);
  EXPECT_EQ(ui.dialogs.back().title, "Fish Icon");
  EXPECT_EQ(ui.dialogs.back().filter, "Fish Icon file (*.bmp)|*.bmp");
}

TEST_F(FinwrightBuild, BuildFailuresAreToldAndLeaveTheOutputUntouched) {
  ASSERT_TRUE(base::writeFileAtomically(output, Bytes{1, 2, 3}));
  auto expectRefused = [&](const std::string& message) {
    auto builder = readyBuilder();
    ui.messages.clear();
    ui.saveAnswers.push_back(output);
    EXPECT_EQ(builder->build().outcome, ui::Outcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(message), std::string::npos) << ui.messages[0];
    EXPECT_EQ(*base::readFile(output, 100), (Bytes{1, 2, 3}));
  };
  // Stop, pressed during the frames: quiet, like a cancel.
  {
    auto builder = readyBuilder();
    ui.saveAnswers.push_back(output);
    ui.stopPressed = true;
    EXPECT_EQ(builder->build().outcome, ui::Outcome::Cancelled);
    ui.stopPressed = false;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(*base::readFile(output, 100), (Bytes{1, 2, 3}));
  }
  // A missing frame, found only after the library was unpacked.
  fs::rename(frames / "0077.bmp", folder.path() / "0077.bmp");
  expectRefused("There is not a image file.");
  fs::rename(folder.path() / "0077.bmp", frames / "0077.bmp");

  // A frame that is not 8-bit is named.
  Bytes deep = samples::frameBitmap(5);
  deep[28] = 24;
  ASSERT_TRUE(base::writeFileAtomically(frames / "0005.bmp", deep));
  expectRefused("0005.bmp");
  ASSERT_TRUE(base::writeFileAtomically(frames / "0005.bmp", samples::frameBitmap(5)));

  // A library that does not start with "Fish".
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "fish.lib", Bytes(64, 'x')));
  expectRefused("Library File differs");

  // A library with an entry that would land outside the work folder.
  auto evil = fishfile::makeFishLibrary("evil", {{"../escape.dat", Bytes{1}}});
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "fish.lib", *evil));
  expectRefused("../escape.dat");

  // A library with no entries: nothing stale from an earlier build is used.
  auto empty = fishfile::makeFishLibrary("empty", {});
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "fish.lib", *empty));
  expectRefused("top.dat");
}

TEST_F(FinwrightBuild, InputsAreCheckedBeforeTheSaveDialogIsShown) {
  auto refusedWithoutDialog = [&](const std::string& latin, const std::string& message) {
    auto builder = readyBuilder();
    builder->boxes.latin = latin;
    ui.messages.clear();
    EXPECT_EQ(builder->build().outcome, ui::Outcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(message), std::string::npos) << ui.messages[0];
    EXPECT_TRUE(ui.dialogs.empty());
  };
  refusedWithoutDialog("川", "川");
  // The library is checked before the texts, and the message says everywhere it was looked for
  // (the start folder, the user's data folder, beside the program) and where one belongs.
  fs::remove(folder.path() / "fish.lib");
  const fs::path data = folder.path() / "data" / "brinkit";
  test::ScopedEnvironment variable("XDG_DATA_HOME", data.parent_path().string().c_str());
  const auto places = readyBuilder()->libraryPlaces();
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[0], folder.path() / "fish.lib");
  EXPECT_EQ(places[1], data / "fish.lib");
  refusedWithoutDialog("川", "The fish library fish.lib, the template every new fish file is built from, was not found at " +
                                 places[0].string() + ", " + places[1].string() + " or " + places[2].string() +
                                 ". Put one into " + data.string() + ", or choose one with File > Choose Fish Library.");
  // One in the user's data folder serves; a chosen one is looked at first.
  fs::create_directories(data);
  ASSERT_TRUE(samples::writeLibrary(data / "fish.lib"));
  EXPECT_EQ(readyBuilder()->library(), data / "fish.lib");
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "chosen.lib", Bytes(64, 'x')));
  auto builder = readyBuilder();
  builder->setChosenLibrary(folder.path() / "chosen.lib");
  ui.messages.clear();
  EXPECT_EQ(builder->build().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Library File differs"});
  fs::remove(data / "fish.lib");
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "fish.lib", Bytes(64, 'x')));
  refusedWithoutDialog("Edit me", "Library File differs");
}

TEST_F(FinwrightBuild, TextsOutsideTheCodePagesSingleBytesAreRefused) {
  auto builder = readyBuilder();
  builder->boxes.habitat = "川";
  ui.saveAnswers.push_back(output);
  EXPECT_EQ(builder->build().outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("川"), std::string::npos);
  EXPECT_FALSE(fs::exists(output));

  // Half-width katakana are single bytes in code page 932.
  builder->boxes.habitat = "ｶﾜ";
  ui.saveAnswers.push_back(output);
  ASSERT_EQ(builder->build().outcome, ui::Outcome::Done);
  auto file = *base::readFile(output, 1 << 22);
  const Bytes habitat = {2, 0xB6, 0xDC};
  EXPECT_NE(std::search(file.begin(), file.end(), habitat.begin(), habitat.end()), file.end());
}

TEST(FinwrightWorkFolder, EachCopyHasItsOwnAndRemovesIt) {
  test::TempFolder temp;
  fs::path first, second;
  {
    finwright::WorkFolder a(temp.path()), b(temp.path());
    first = a.path();
    second = b.path();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.parent_path(), temp.path() / "RidoZovidor");
    ASSERT_TRUE(base::writeFileAtomically(first / "stale.dat", Bytes{1}));
    ASSERT_TRUE(a.empty());
    EXPECT_FALSE(fs::exists(first / "stale.dat"));
    EXPECT_TRUE(fs::is_directory(first));
  }
  EXPECT_FALSE(fs::exists(first));
  EXPECT_FALSE(fs::exists(temp.path() / "RidoZovidor"));
}

}  // namespace

namespace {

TEST_F(FinwrightBuild, DescriptionLinesEndInCrLf) {
  auto builder = readyBuilder();
  builder->boxes.description = "Line one\nLine two\r\nEnd";
  ui.saveAnswers.push_back(output);
  ASSERT_EQ(builder->build().outcome, ui::Outcome::Done);
  auto file = *base::readFile(output, 1 << 22);
  const std::string expected = "Line one\r\nLine two\r\nEnd";
  const Bytes wanted(expected.begin(), expected.end());
  EXPECT_NE(std::search(file.begin(), file.end(), wanted.begin(), wanted.end()), file.end());
}

}  // namespace
