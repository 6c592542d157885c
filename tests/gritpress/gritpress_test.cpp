// gritpress as the person meets it: the bitmap check with its refusals and size display, the
// number boxes, Output's checks in their order with their messages, the overwrite choice, and
// the gravel file it writes, compared with bytes laid out by hand from the file's tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/file_io.hpp"
#include "gritpress/gritpress.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;
using gritpress::Side;

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  put16(b, at, v);
  put16(b, at + 2, v >> 16);
}

// A bitmap's headers with the fields the check reads, a 1,024-byte palette and `pixelBytes`
// bytes of pixels; bytes 2-5 hold the file's length.
Bytes bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits = 8, std::uint32_t compression = 0,
             std::uint16_t planes = 1, std::size_t pixelBytes = 8) {
  Bytes b(54 + 1024 + pixelBytes, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(b.size()));
  put32(b, 10, 1078);
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  put16(b, 26, planes);
  put16(b, 28, bits);
  put32(b, 30, compression);
  for (std::size_t i = 54; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7);
  return b;
}

// The gravel file as gritpress writes it, laid out from the tables: gritwright's layout with
// "Version 2.0 Resource File" from header byte 16. The block counts are the bitmaps' own
// size fields.
Bytes expectedGravel(const Bytes& top, const Bytes& side, std::uint16_t height, std::uint16_t depth) {
  const auto s = static_cast<std::uint32_t>(top.size()), a = static_cast<std::uint32_t>(side.size());
  const std::uint32_t X = 276 + s + a;
  Bytes f(X + 109, 0);
  put32(f, 0, 256);
  put32(f, 4, X);
  put32(f, 8, X - 256);
  put32(f, 12, 109);
  const std::string text = "Version 2.0 Resource File";
  std::copy(text.begin(), text.end(), f.begin() + 16);
  put32(f, 256, 8);
  put16(f, 260, height);
  put16(f, 262, depth);
  std::copy(top.begin() + 2, top.begin() + 6, f.begin() + 268);
  std::copy(top.begin(), top.end(), f.begin() + 272);
  std::copy(side.begin() + 2, side.begin() + 6, f.begin() + 272 + s);
  std::copy(side.begin(), side.end(), f.begin() + 276 + s);
  std::copy(f.begin(), f.begin() + 16, f.begin() + X);
  put16(f, X + 24, 30);
  put16(f, X + 26, 90);
  put16(f, X + 28, 2);
  const char* types[] = {"lvrG", "PDAB", "CPAB"};
  const std::uint32_t refs[] = {24, 36, 48};
  for (int i = 0; i < 3; ++i) {
    std::copy(types[i], types[i] + 4, f.begin() + X + 30 + 8 * i);
    put16(f, X + 30 + 8 * i + 6, refs[i]);
  }
  const std::uint32_t offsets[] = {0, 12, s + 16};
  for (int i = 0; i < 3; ++i) {
    const std::size_t e = X + 54 + 12 * i;
    put16(f, e, 4020);
    put16(f, e + 2, i == 0 ? 0 : 0xFFFF);
    f[e + 4] = static_cast<std::uint8_t>(offsets[i]);
    f[e + 5] = static_cast<std::uint8_t>(offsets[i] >> 8);
    f[e + 6] = static_cast<std::uint8_t>(offsets[i] >> 16);
  }
  const std::string name = "Custom Gravel Info";
  f[X + 90] = 18;
  std::copy(name.begin(), name.end(), f.begin() + X + 91);
  return f;
}

TEST(GritpressBitmapCheck, TakesOnlyUncompressed256ColourBitmaps) {
  EXPECT_TRUE(gritpress::checkBitmap(bitmap(4, 2)).ok);
  const auto topDown = gritpress::checkBitmap(bitmap(4, -2));
  EXPECT_TRUE(topDown.ok);
  EXPECT_EQ(topDown.height, 2u);

  const struct {
    Bytes file;
    const char* refusal;
  } refused[] = {
      {bitmap(4, 2, 24), "not 256 color"},   {bitmap(4, 2, 32), "not 256 color"},
      {bitmap(4, 2, 1), "not 256 color"},    {bitmap(4, 2, 4), "not 256 color"},
      {bitmap(4, 2, 8, 1), "Compress BMP"},  {bitmap(4, 2, 4, 2), "not 256 color"},
      {bitmap(4, 2, 8, 0, 2), "not 1 planes"}, {Bytes{'P', 'K', 3, 4, 0, 0, 0, 0}, "not BMP type"},
      {Bytes{}, "not BMP type"},              {Bytes{'B'}, "not BMP type"},
  };
  for (const auto& [file, refusal] : refused) {
    const auto check = gritpress::checkBitmap(file);
    EXPECT_FALSE(check.ok) << refusal;
    EXPECT_EQ(check.refusal, refusal);
  }
  // A bitmap cut short of the fields the check reads is refused, whatever its first bytes.
  const Bytes whole = bitmap(4, 2);
  for (std::size_t length : {2u, 6u, 29u, 33u}) {
    const auto check = gritpress::checkBitmap(base::ByteSpan(whole).first(length));
    EXPECT_EQ(check.refusal, "not BMP type") << length;
    EXPECT_FALSE(check.detail.empty());
  }
  EXPECT_TRUE(gritpress::checkBitmap(base::ByteSpan(whole).first(34)).ok);
}

TEST(GritpressBitmapCheck, SizeDisplayGivesPixelsCentimetresAndBytes) {
  auto check = gritpress::checkBitmap(bitmap(283, 100));
  EXPECT_EQ(gritpress::sizeDisplay(check), "W/H=283/100 pixels=10.0/3.5cm Size=1086bytes");
  check = gritpress::checkBitmap(bitmap(1, 0));
  EXPECT_EQ(gritpress::sizeDisplay(check), "W/H=1/0 pixels=0.0/0.0cm Size=1086bytes");
}

TEST(GritpressNumbers, TheWholeBoxMustBeANumber) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {{"57", 57},   {"57.5", 57.5}, {"-1", -1},        {" 12 ", 12},       {"+3", 3},
               {".5", 0.5},  {"5.", 5},      {"abc", {}},       {"12abc", {}},      {"", {}},
               {" ", {}},    {"-", {}},      {".", {}},         {"1.2.3", {}},      {"1e3", {}},
               {"1 2", {}},  {"--1", {}},    {"６", {}}};
  for (const auto& [text, value] : cases) EXPECT_EQ(gritpress::wholeNumber(text), value) << '"' << text << '"';
}

class GritpressOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    topFile = folder.path() / "top.bmp";
    sideFile = folder.path() / "side.bmp";
    out = folder.path() / "out.grv";
    write(topFile, top);
    write(sideFile, side);
    tool.boxes.output = out.string();
  }
  static void write(const fs::path& path, const Bytes& data) { ASSERT_TRUE(base::writeFileAtomically(path, data)); }
  void chooseBoth() {
    ASSERT_EQ(tool.chooseInput(Side::Top, topFile), ui::Outcome::Done);
    ASSERT_EQ(tool.chooseInput(Side::Side, sideFile), ui::Outcome::Done);
  }
  // Output with the given boxes, expecting a refusal with exactly these messages.
  void expectRefused(const std::vector<std::string>& messages) {
    EXPECT_EQ(tool.output().outcome, ui::Outcome::Refused);
    EXPECT_EQ(ui.messages, messages);
    EXPECT_FALSE(fs::exists(out));
    ui.messages.clear();
  }
  Bytes written() { return *base::readFile(out, 1 << 24); }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  gritpress::Gritpress tool{ui};
  Bytes top = bitmap(283, 100, 8, 0, 1, 1024), side = bitmap(4, 2);
  fs::path topFile, sideFile, out;
};

TEST_F(GritpressOutput, WritesTheGravelFileAndSaysDone) {
  chooseBoth();
  EXPECT_EQ(tool.input(Side::Top).result(), "OK");
  EXPECT_EQ(tool.input(Side::Top).display(), "W/H=283/100 pixels=10.0/3.5cm Size=2102bytes");
  tool.boxes.height = "57.5";
  tool.boxes.depth = "56.5";
  const auto result = tool.output();
  ASSERT_EQ(result.outcome, ui::Outcome::Done);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"完了"});
  EXPECT_EQ(ui.busyDepth, 0);
  const Bytes file = written();
  EXPECT_EQ(file, expectedGravel(top, side, 58, 56));
  // The worked sizes: 2,102 + 1,086 bytes of bitmaps put the map at 3,464.
  EXPECT_EQ(file.size(), 3464u + 109u);
  EXPECT_EQ(result.bytes, file.size());
}

TEST_F(GritpressOutput, CopiesABitmapWhoseSizeFieldDisagreesAndTakesOneFileForBothSides) {
  put32(top, 2, 99999);
  write(topFile, top);
  ASSERT_EQ(tool.chooseInput(Side::Top, topFile), ui::Outcome::Done);
  ASSERT_EQ(tool.chooseInput(Side::Side, topFile), ui::Outcome::Done);
  tool.boxes.height = "0";
  tool.boxes.depth = "65535.4";
  ASSERT_EQ(tool.output().outcome, ui::Outcome::Done);
  const Bytes file = written();
  EXPECT_EQ(file, expectedGravel(top, top, 0, 65535));
  EXPECT_EQ(base::getU32(&file[268]), 99999u);
}

TEST_F(GritpressOutput, ChecksRunInOrderAndTheFirstFailureWins) {
  tool.boxes = {"abc", "x", ""};
  expectRefused({"高さが数字じゃないよ"});
  tool.boxes.height = "12abc";
  expectRefused({"高さが数字じゃないよ"});
  tool.boxes.height = "-1";
  expectRefused({"奥行が数字じゃないよ"});
  tool.boxes.depth = "50";
  expectRefused({"マイナス値はだめよ"});
  tool.boxes.height = "57";
  tool.boxes.depth = "-0.2";
  expectRefused({"マイナス値はだめよ"});
  tool.boxes.depth = "65535.5";  // rounds to 65536
  expectRefused({"奥行が大きすぎるよ（65535まで）"});
  tool.boxes.depth = "50";
  tool.boxes.height = "70000";
  expectRefused({"高さが大きすぎるよ（65535まで）"});
  tool.boxes.height = "57";
  expectRefused({"上面ファイルが正しくありません"});

  // A 24-bit top is NG when chosen, and Output then refuses it.
  write(topFile, bitmap(4, 2, 24));
  EXPECT_EQ(tool.chooseInput(Side::Top, topFile), ui::Outcome::Refused);
  EXPECT_EQ(tool.input(Side::Top).result(), "NG");
  EXPECT_EQ(tool.input(Side::Top).display(), "W/H=0/0 pixels");
  expectRefused({"not 256 color", "上面ファイルが正しくありません"});
  write(topFile, top);
  ASSERT_EQ(tool.chooseInput(Side::Top, topFile), ui::Outcome::Done);
  write(sideFile, bitmap(4, 2, 8, 1));
  EXPECT_EQ(tool.chooseInput(Side::Side, sideFile), ui::Outcome::Refused);
  expectRefused({"Compress BMP", "側面ファイルが正しくありません"});
  write(sideFile, side);
  ASSERT_EQ(tool.chooseInput(Side::Side, sideFile), ui::Outcome::Done);
  EXPECT_TRUE(ui.questions.empty());
  tool.boxes.output = out.string();
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Done);
}

TEST_F(GritpressOutput, RefusesAnOutputFileThatCannotBeOne) {
  chooseBoth();
  for (const std::string& bad : {std::string(), std::string("  "), std::string(".grv"), (folder.path() / ".GRV").string(),
                                folder.path().string() + "/"}) {
    tool.boxes.output = bad;
    EXPECT_EQ(tool.output().outcome, ui::Outcome::Refused) << bad;
    EXPECT_EQ(ui.messages, std::vector<std::string>{"出力ファイルが正しくありません"}) << bad;
    ui.messages.clear();
  }
  tool.boxes.output = (folder.path() / "missing" / "a.grv").string();
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Refused);
  tool.boxes.output = folder.path().string();
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, std::vector<std::string>(2, "出力ファイルが正しくありません"));
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(GritpressOutput, AnExistingFileIsReplacedOnlyByChoice) {
  chooseBoth();
  const Bytes old = {'o', 'l', 'd'};
  write(out, old);
  // Cancel, and 新規 with the dialog cancelled: the file stays.
  ui.questionAnswers = {ui::Answer::Cancel, ui::Answer::No};
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Cancelled);
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Cancelled);
  EXPECT_EQ(written(), old);
  ASSERT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(ui.questions[0], out.string() + " は既にあります。\n上書: このファイルを置き換えます\n新規: 別の名前で出力します");
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].filter, "底砂|*.grv");
  EXPECT_TRUE(ui.messages.empty());

  // 新規 choosing another existing file asks again; 上書 then replaces that one.
  const fs::path other = folder.path() / "other.grv";
  write(other, old);
  ui.questionAnswers = {ui::Answer::No, ui::Answer::Yes};
  ui.saveAnswers = {other};
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Done);
  EXPECT_EQ(tool.boxes.output, other.string());
  EXPECT_EQ(*base::readFile(other, 1 << 24), expectedGravel(top, side, 57, 50));
  EXPECT_EQ(written(), old);

  // 新規 with a fresh name writes it without asking again.
  const fs::path fresh = folder.path() / "fresh.grv";
  tool.boxes.output = out.string();
  ui.questions.clear();
  ui.questionAnswers = {ui::Answer::No};
  ui.saveAnswers = {fresh};
  EXPECT_EQ(tool.output().outcome, ui::Outcome::Done);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_EQ(written(), old);
}

TEST_F(GritpressOutput, BitmapsThatVanishOrChangeAfterTheirCheckWriteNothing) {
  chooseBoth();
  fs::remove(topFile);
  expectRefused({"Error OpenGetFile1 FileName error"});
  write(topFile, top);
  fs::remove(sideFile);
  expectRefused({"Error OpenGetFile2 FileName error"});
  write(sideFile, bitmap(4, 2, 24));
  expectRefused({"側面ファイルが正しくありません"});
  EXPECT_EQ(tool.input(Side::Side).result(), "NG");
  write(sideFile, Bytes{'B', 'M'});
  EXPECT_EQ(tool.chooseInput(Side::Side, sideFile), ui::Outcome::Refused);
  EXPECT_EQ(ui.busyDepth, 0);

  ui.messages.clear();
  EXPECT_EQ(tool.chooseInput(Side::Top, folder.path() / "nothing.bmp"), ui::Outcome::Refused);
  EXPECT_EQ(tool.chooseInput(Side::Top, folder.path() / "no" / "nothing.bmp"), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error Check FileName error", "Error Check Path error"}));
  EXPECT_EQ(tool.input(Side::Top).result(), "NG");
}

TEST_F(GritpressOutput, BrowsingTakesTheChosenFiles) {
  ui.openAnswers = {topFile, std::nullopt};
  EXPECT_EQ(tool.browseInput(Side::Top), ui::Outcome::Done);
  EXPECT_EQ(tool.browseInput(Side::Side), ui::Outcome::Cancelled);
  EXPECT_EQ(tool.input(Side::Top).path, topFile.string());
  EXPECT_TRUE(tool.input(Side::Side).path.empty());
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0].filter, "画像|*.bmp");
  ui.saveAnswers = {out};
  tool.boxes.output = "x";
  EXPECT_EQ(tool.browseOutput(), ui::Outcome::Done);
  EXPECT_EQ(tool.boxes.output, out.string());
}

TEST(GritpressSamples, TheSampleGravelBitmapsPassTheCheck) {
  EXPECT_TRUE(gritpress::checkBitmap(samples::gravelSurface()).ok);
  EXPECT_TRUE(gritpress::checkBitmap(samples::gravelAspect()).ok);
}

}  // namespace
