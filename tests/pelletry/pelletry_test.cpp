// pelletry's actions as the person meets them: the frame strip, File / New, and Save with its
// checks in order, its quiet stops, the name fix-up, the question before replacing, and what
// happens to pictures and frames that cannot be used.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "pelletry/pelletry.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;
using pelletry::FrameStrip;
using pelletry::Stop;

FrameStrip stripOf(int n) {
  FrameStrip strip;
  for (int i = 0; i < n; ++i) strip.add("f" + std::to_string(i));
  return strip;
}

std::vector<std::string> names(std::initializer_list<int> frames) {
  std::vector<std::string> out;
  for (int f : frames) out.push_back("f" + std::to_string(f));
  return out;
}

TEST(PelletryFrameStrip, DraggingAFrameOntoAnotherSwapsThem) {
  FrameStrip strip = stripOf(5);
  EXPECT_TRUE(strip.swap(3, 0));
  EXPECT_EQ(strip.paths(), names({3, 1, 2, 0, 4}));
  // A drop on an empty slot, or the frame's own, changes nothing.
  EXPECT_FALSE(strip.swap(3, 7));
  EXPECT_FALSE(strip.swap(0, 5));
  EXPECT_TRUE(strip.swap(2, 2));
  EXPECT_EQ(strip.paths(), names({3, 1, 2, 0, 4}));
  EXPECT_EQ(strip.count(), 5u);
}

TEST(PelletryFrameStrip, DeletingMovesTheLaterFramesUp) {
  FrameStrip strip = stripOf(3);
  EXPECT_TRUE(strip.remove(1));
  EXPECT_EQ(strip.paths(), names({0, 2}));
  EXPECT_EQ(strip.count(), 2u);
  EXPECT_EQ(strip.path(2), "");
  EXPECT_FALSE(strip.draggable(2));
  EXPECT_TRUE(strip.draggable(1));

  EXPECT_TRUE(strip.remove(1));  // the last frame
  EXPECT_EQ(strip.paths(), names({0}));
  EXPECT_FALSE(strip.remove(1));
  EXPECT_TRUE(strip.remove(0));  // the only frame: the strip is empty again
  EXPECT_TRUE(strip.empty());
  EXPECT_FALSE(strip.draggable(0));
}

TEST(PelletryFrameStrip, TheTwentySixthAddAndNew) {
  FrameStrip strip = stripOf(25);
  ASSERT_TRUE(strip.full());
  const auto before = strip.paths();
  EXPECT_FALSE(strip.add("f25"));
  EXPECT_EQ(strip.paths(), before);
  EXPECT_EQ(strip.count(), 25u);
  strip.clear();
  EXPECT_TRUE(strip.empty());
  for (std::size_t i = 0; i < FrameStrip::kSlots; ++i) EXPECT_FALSE(strip.draggable(i));
  EXPECT_TRUE(strip.add("again"));
  EXPECT_EQ(strip.paths(), std::vector<std::string>{"again"});
}

TEST(PelletrySaveName, ExtensionFixUp) {
  using pelletry::withFoodExtension;
  EXPECT_EQ(withFoodExtension("food.fd"), fs::path("food.fd"));
  EXPECT_EQ(withFoodExtension("food"), fs::path("food.fd"));
  EXPECT_EQ(withFoodExtension("a.xy"), fs::path("a.fd"));
  EXPECT_EQ(withFoodExtension("a.bmp"), fs::path("a.bmp.fd"));
  EXPECT_EQ(withFoodExtension("a"), fs::path("a.fd"));
  EXPECT_EQ(withFoodExtension("/d/x.FD"), fs::path("/d/x.fd"));
  EXPECT_EQ(withFoodExtension("ab"), fs::path("ab.fd"));
  // Characters, not bytes: "食" is one character.
  EXPECT_EQ(withFoodExtension(u8"餌.食べ"), fs::path(u8"餌.fd"));
  EXPECT_EQ(withFoodExtension(u8"x.a食"), fs::path("x.fd"));
}

TEST(PelletryPreview, PlacementAndTheFrameCounter) {
  using pelletry::Box;
  const Box main{100, 200, 402, 525};
  // A small frame: the window 3 px right, 40 down, 7 narrower, 43 shorter; the frame centred.
  auto small = pelletry::placePreview(main, 24, 24);
  EXPECT_EQ(small.window, (Box{103, 240, 395, 482}));
  EXPECT_EQ(small.pictureLeft, (395 - 24) / 2);
  EXPECT_EQ(small.pictureTop, (482 - 24) / 2);
  // A wide, tall frame: the window takes its size, moved by half the excess, frame at 0, 0.
  auto big = pelletry::placePreview(main, 595, 582);
  EXPECT_EQ(big.window, (Box{0, 200 + 27 - 50, 595, 582}));
  EXPECT_EQ(big.pictureLeft, 0);
  EXPECT_EQ(big.pictureTop, 0);
  EXPECT_EQ(pelletry::placeAbout(main, 300, 200), (Box{140, 240, 300, 200}));

  pelletry::PreviewCounter counter;
  std::vector<std::size_t> shown;
  for (int i = 0; i < 7; ++i) shown.push_back(counter.tick(3));
  EXPECT_EQ(shown, (std::vector<std::size_t>{0, 1, 2, 0, 1, 2, 0}));
}

class PelletrySave : public ::testing::Test {
 protected:
  void SetUp() override {
    picture = folder.path() / "picture.bmp";
    ASSERT_TRUE(base::writeFileAtomically(picture, samples::foodPicture()));
    for (std::size_t k = 0; k < 3; ++k) {
      frames.push_back(folder.path() / ("frame" + std::to_string(k) + ".bmp"));
      ASSERT_TRUE(base::writeFileAtomically(frames.back(), samples::foodFrame(k)));
    }
  }
  pelletry::Pelletry ready(std::size_t frameCount = 2) {
    pelletry::Pelletry tool(ui);
    tool.boxes.name = "Flakes";
    tool.boxes.memo = "Sinks slowly.";
    tool.boxes.id = "5";
    tool.boxes.kind = 2;
    tool.setPicture(picture.string());
    for (std::size_t k = 0; k < frameCount; ++k) tool.addFrame(frames[k].string());
    return tool;
  }
  fs::path answerSave(const std::string& name) {
    ui.saveAnswers.push_back(folder.path() / name);
    return folder.path() / name;
  }
  std::size_t inputBytes(std::size_t frameCount) {
    std::size_t total = fs::file_size(picture);
    for (std::size_t k = 0; k < frameCount; ++k) total += fs::file_size(frames[k]);
    return total;
  }

  test::TempFolder folder;
  fs::path picture;
  std::vector<fs::path> frames;
  ui::ScriptedUi ui;
};

TEST_F(PelletrySave, OneFrameGivesTheSingleFrameLayoutTwoTheMultiFrame) {
  auto one = ready(1);
  answerSave("one");
  auto result = one.save();
  ASSERT_EQ(result.outcome, ui::Outcome::Done) << (ui.messages.empty() ? "" : ui.messages[0]);
  EXPECT_EQ(result.output, folder.path() / "one.fd");
  EXPECT_EQ(fs::file_size(result.output), 1034 + inputBytes(1));
  EXPECT_EQ(result.bytes, 1034 + inputBytes(1));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "SAVE");
  EXPECT_EQ(ui.dialogs[0].filter, "(*.fd)|*.fd");
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_TRUE(ui.messages.empty());

  auto two = ready(2);
  answerSave("two.fd");
  ASSERT_EQ(two.save().outcome, ui::Outcome::Done);
  const Bytes file = *base::readFile(folder.path() / "two.fd", 1 << 20);
  EXPECT_EQ(file.size(), 1018 + 32 + inputBytes(2));
  EXPECT_EQ(base::getU16(&file[302 + 546]), 10500);  // ID 5
  EXPECT_EQ(file[260], 3);                             // kind 2's byte 0
  EXPECT_EQ(file[302], 6);                             // "Flakes"
}

TEST_F(PelletrySave, ChecksInOrderWithTheirMessages) {
  // 1. The name comes first, before anything else is looked at.
  pelletry::Pelletry empty(ui);
  empty.boxes.id = "500";
  EXPECT_EQ(empty.save().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"You must enter an food name."});

  // Then the texts' byte lengths: 17 double-byte characters are 34 bytes.
  ui.messages.clear();
  auto tool = ready();
  tool.boxes.name.clear();
  for (int i = 0; i < 17; ++i) tool.boxes.name += "エ";
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "The food name is 34 bytes long in code page 932; it holds at most 32 bytes (a double-byte character counts two).");
  tool.boxes.name = "Flakes";
  tool.boxes.memo = std::string(385, 'x');
  for (int i = 0; i < 64; ++i) tool.boxes.memo += "あ";
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(), "The memo is 513 bytes long in code page 932; it holds at most 512 bytes (a double-byte character counts two).");
  tool.boxes.memo = "\xE2\x82\xAC";  // the euro sign is not in code page 932
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(), "The memo cannot be written in code page 932.");
  tool.setCodePage(base::CodePage::Cp1252);
  answerSave("euro");
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Done);
  tool.setCodePage(base::CodePage::Cp932);
  tool.boxes.memo.clear();

  // 2. No picture: a quiet stop, even with a bad ID.
  ui.messages.clear();
  tool.setPicture("");
  tool.boxes.id = "128";
  auto quiet = tool.save();
  EXPECT_EQ(quiet.outcome, ui::Outcome::Cancelled);
  EXPECT_EQ(quiet.stop, Stop::NoPicture);
  EXPECT_TRUE(ui.messages.empty());

  // 3. The ID.
  tool.setPicture(picture.string());
  for (const char* id : {"128", "-1", "127.5", " +200"}) {
    tool.boxes.id = id;
    EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused) << id;
  }
  EXPECT_EQ(ui.messages, std::vector<std::string>(4, "ID is 0 - 127"));
  EXPECT_TRUE(ui.dialogs.empty() || ui.dialogs.size() == 1);  // only the euro save asked

  // 4. No frames: quiet, even before the dialog.
  ui.messages.clear();
  tool.boxes.id = "abc";
  tool.strip().clear();
  auto noFrames = tool.save();
  EXPECT_EQ(noFrames.stop, Stop::NoFrames);
  EXPECT_TRUE(ui.messages.empty());

  // 5. A cancelled dialog.
  tool.addFrame(frames[0].string());
  const std::size_t dialogsBefore = ui.dialogs.size();
  auto cancelled = tool.save();
  EXPECT_EQ(cancelled.stop, Stop::NoFile);
  EXPECT_EQ(ui.dialogs.size(), dialogsBefore + 1);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PelletrySave, IdsThatPass) {
  auto tool = ready(1);
  const std::pair<const char*, std::uint16_t> ids[] = {{"127", 22700}, {"abc", 10000}, {"0", 10000}, {" 12.5kg", 11250}};
  for (const auto& [id, R] : ids) {
    tool.boxes.id = id;
    const auto out = answerSave("id");
    ui.questionAnswers.push_back(ui::Answer::Yes);
    ASSERT_EQ(tool.save().outcome, ui::Outcome::Done) << id;
    const Bytes file = *base::readFile(folder.path() / "id.fd", 1 << 20);
    EXPECT_EQ(base::getU16(&file[260 + 546]), R) << id;
    EXPECT_EQ(base::getU16(&file[812 + 20]), R) << id;
  }
}

TEST_F(PelletrySave, AsksBeforeReplacing) {
  auto tool = ready();
  const fs::path target = folder.path() / "food.fd";
  { std::ofstream(target) << "old"; }
  answerSave("food");
  ui.questionAnswers.push_back(ui::Answer::No);
  auto declined = tool.save();
  EXPECT_EQ(declined.stop, Stop::Declined);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], target.string() + "  already exists.\nDo you want to replace it?");
  EXPECT_EQ(fs::file_size(target), 3u);

  answerSave("food.fd");
  ui.questionAnswers.push_back(ui::Answer::Yes);
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Done);
  EXPECT_EQ(fs::file_size(target), 1018 + 32 + inputBytes(2));
}

TEST_F(PelletrySave, UnusableBitmapsAreNamedAndNothingIsWritten) {
  const fs::path shortFile = folder.path() / "short.bmp", notBitmap = folder.path() / "note.bmp";
  { std::ofstream(shortFile) << "BM\x01"; }
  { std::ofstream(notBitmap) << "PK\x03\x04 not a bitmap"; }
  const struct {
    std::string picture, frame, message;
  } cases[] = {
      {(folder.path() / "gone.bmp").string(), frames[1].string(),
       "The picture cannot be used. Cannot read " + (folder.path() / "gone.bmp").string() + ": the file does not exist."},
      {picture.string(), shortFile.string(),
       "The frame 2 " + shortFile.string() + " is 3 bytes long, too short for a bitmap (its size field is bytes 2-5)."},
      {picture.string(), notBitmap.string(),
       "The frame 2 " + notBitmap.string() + " is not a bitmap: it does not start with \"BM\"."},
      {notBitmap.string(), frames[1].string(),
       "The picture " + notBitmap.string() + " is not a bitmap: it does not start with \"BM\"."},
  };
  for (const auto& c : cases) {
    ui.messages.clear();
    pelletry::Pelletry tool(ui);
    tool.boxes.name = "x";
    tool.setPicture(c.picture);
    tool.addFrame(frames[0].string());
    tool.addFrame(c.frame);
    answerSave("bad");
    EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused);
    EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(fs::exists(folder.path() / "bad.fd"));
    EXPECT_EQ(ui.busyDepth, 0);
  }
  // A folder that does not exist: told, nothing left behind.
  auto tool = ready();
  ui.saveAnswers.push_back(folder.path() / "nowhere" / "x");
  EXPECT_EQ(tool.save().outcome, ui::Outcome::Refused);
  EXPECT_FALSE(fs::exists(folder.path() / "nowhere"));
}

TEST_F(PelletrySave, NewAndTheButtons) {
  auto tool = ready(3);
  tool.newFood();
  EXPECT_TRUE(tool.strip().empty());
  EXPECT_EQ(tool.picturePath(), "");
  EXPECT_EQ(tool.boxes.name, "Flakes");
  EXPECT_EQ(tool.boxes.id, "5");
  EXPECT_EQ(tool.boxes.kind, 2);

  // The picture and add-frame buttons: the "OPEN" dialog; cancelling changes nothing.
  EXPECT_EQ(tool.choosePicture(), ui::Outcome::Cancelled);
  EXPECT_EQ(tool.picturePath(), "");
  ui.openAnswers.push_back(picture);
  EXPECT_EQ(tool.choosePicture(), ui::Outcome::Done);
  EXPECT_EQ(tool.picturePath(), picture.string());
  ui.openAnswers.push_back(frames[2]);
  EXPECT_EQ(tool.addFrame(), ui::Outcome::Done);
  EXPECT_EQ(tool.strip().paths(), std::vector<std::string>{frames[2].string()});
  ASSERT_EQ(ui.dialogs.size(), 3u);
  for (const auto& dialog : ui.dialogs) {
    EXPECT_EQ(dialog.title, "OPEN");
    EXPECT_EQ(dialog.filter, "(*.bmp)|*.bmp");
  }
  // A full strip says so and asks for no file.
  while (!tool.strip().full()) tool.addFrame(frames[0].string());
  EXPECT_EQ(tool.addFrame(), ui::Outcome::Refused);
  EXPECT_EQ(ui.dialogs.size(), 3u);
  EXPECT_EQ(ui.messages, std::vector<std::string>{pelletry::kStripFull});
}

}  // namespace
