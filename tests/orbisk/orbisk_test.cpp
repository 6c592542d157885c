// orbisk's Find and Save as the person meets them: the messages, the questions, the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/file_io.hpp"
#include "orbisk/media.hpp"
#include "orbisk/orbisk.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using orbisk_test::Bytes;
using orbisk_test::append;
using orbisk_test::filler;

Bytes readAll(const fs::path& path) {
  auto data = base::readFile(path, 1u << 26);
  EXPECT_TRUE(data.has_value()) << path;
  return data ? *data : Bytes{};
}

void writeAll(const fs::path& path, const Bytes& data) { ASSERT_TRUE(base::writeFileAtomically(path, data)); }

class OrbiskFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    out = folder.path() / "out";
    fs::create_directories(out);
    // Three bitmaps and a wave whose header overstates its size by 100 bytes.
    append(content, filler(20, 1));
    append(content, orbisk_test::plainBitmap());  // 20
    append(content, filler(300, 2));
    append(content, orbisk_test::rleBitmap());    // 390
    append(content, orbisk_test::plainBitmap());  // 462
    append(content, filler(10, 3));
    auto sound = orbisk_test::wave(50);           // 542
    sound[4] = static_cast<std::uint8_t>(sound[4] + 100);
    append(content, sound);
    scanned = folder.path() / "sample.dat";
    writeAll(scanned, content);
  }
  orbisk::Orbisk tool() {
    orbisk::Orbisk made(ui, folder.path());
    made.fileName = base::displayPath(scanned);
    made.setOutputFolder(out);
    return made;
  }

  test::TempFolder folder;
  fs::path out, scanned;
  Bytes content;
  ui::ScriptedUi ui;
};

TEST_F(OrbiskFlow, FindReportsTheCount) {
  auto orb = tool();
  EXPECT_EQ(orb.find(), ui::Outcome::Done);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"3個のファイルが見つかりました"}));
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_EQ(orb.listLines(), (std::vector<std::string>{"samp0000.BMP\t00000014\t00000059\t        70",
                                                       "samp0001.RLE\t00000186\t000001CD\t        72",
                                                       "samp0002.BMP\t000001CE\t00000213\t        70"}));
  orb.kind = orbisk::Kind::Midi;
  EXPECT_EQ(orb.find(), ui::Outcome::Done);
  EXPECT_EQ(ui.messages.back(), "ファイルは見つかりませんでした");
  EXPECT_TRUE(orb.resources().empty());
}

TEST_F(OrbiskFlow, FindRefusesABadFileName) {
  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  for (std::string name : {std::string(), (folder.path() / "none.dat").string(), folder.path().string()}) {
    orb.fileName = name;
    EXPECT_EQ(orb.find(), ui::Outcome::Refused);
    EXPECT_EQ(ui.messages.back(), "ファイル名が正しくありません。");
  }
  EXPECT_EQ(orb.resources().size(), 3u);  // nothing else changes
}

TEST_F(OrbiskFlow, SaveAsksBeforeReplacingAndNoLeavesTheFileAlone) {
  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  writeAll(out / "samp0001.RLE", Bytes{'o', 'l', 'd'});
  ui.questionAnswers = {ui::Answer::No};
  auto report = orb.save({0, 1, 2});
  EXPECT_EQ(report.outcome, ui::Outcome::Done);
  EXPECT_EQ(ui.questions, (std::vector<std::string>{base::displayPath(out / "samp0001.RLE") +
                                                    "\n\rはすでに存在します。上書きしますか？"}));
  EXPECT_EQ(readAll(out / "samp0001.RLE"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(readAll(out / "samp0000.BMP"), orbisk_test::plainBitmap());
  EXPECT_EQ(readAll(out / "samp0002.BMP"), orbisk_test::plainBitmap());
  EXPECT_EQ(report.written.size(), 2u);
  EXPECT_EQ(report.skipped, (std::vector<fs::path>{out / "samp0001.RLE"}));

  ui.questionAnswers = {ui::Answer::Yes};
  report = orb.save({1});
  EXPECT_EQ(readAll(out / "samp0001.RLE"), orbisk_test::rleBitmap());
  // No temporary files are left beside the saved ones.
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 3);
}

TEST_F(OrbiskFlow, SaveCancelSkipsOnlyThatOne) {
  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  writeAll(out / "samp0000.BMP", Bytes{1});
  ui.questionAnswers = {ui::Answer::Cancel};
  auto report = orb.save({2, 0});
  EXPECT_EQ(readAll(out / "samp0000.BMP"), Bytes{1});
  EXPECT_TRUE(fs::exists(out / "samp0002.BMP"));
  EXPECT_FALSE(fs::exists(out / "samp0001.RLE"));
}

TEST_F(OrbiskFlow, TruncatedWaveIsSavedWithTheBytesThereAndSaid) {
  auto orb = tool();
  orb.kind = orbisk::Kind::Wave;
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  ASSERT_EQ(orb.resources().size(), 1u);
  EXPECT_EQ(orb.resources()[0].size, 194u);  // 36 + 50 + 100 + 8
  auto report = orb.save({0});
  EXPECT_EQ(report.truncated, (std::vector<fs::path>{out / "samp0000.WAV"}));
  Bytes expected(content.begin() + 542, content.end());
  EXPECT_EQ(readAll(out / "samp0000.WAV"), expected);
  EXPECT_NE(ui.messages.back().find("94 of its 194 bytes"), std::string::npos) << ui.messages.back();
}

TEST_F(OrbiskFlow, SaveNeedsTheOutputFolderAndTheScannedFile) {
  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  orb.setOutputFolder(folder.path() / "missing");
  EXPECT_EQ(orb.save({0}).outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(), "保存先フォルダが存在しません。");
  EXPECT_FALSE(fs::exists(folder.path() / "missing"));
  orb.setOutputFolder(out);
  fs::remove(scanned);
  EXPECT_EQ(orb.save({0}).outcome, ui::Outcome::Refused);
  EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(OrbiskFlow, ScannedFileIsOnlyRead) {
  fs::permissions(scanned, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  EXPECT_EQ(orb.save({0, 1, 2}).written.size(), 3u);
  EXPECT_EQ(readAll(scanned), content);
}

TEST_F(OrbiskFlow, OutputFolderFallsBackToTheCurrentFolder) {
  EXPECT_EQ(orbisk::Orbisk(ui, folder.path()).outputFolder(), folder.path());
  EXPECT_EQ(orbisk::Orbisk(ui, folder.path() / "gone").outputFolder(), fs::current_path());
}

TEST_F(OrbiskFlow, DialogsAndDrops) {
  auto orb = tool();
  orb.dropFiles({"a.bin", "b.bin"});
  EXPECT_EQ(orb.fileName, "b.bin");
  orb.fileName = base::displayPath(scanned);
  ui.openAnswers = {folder.path() / "c.bin"};
  orb.selectFile();
  EXPECT_EQ(orb.fileName, base::displayPath(folder.path() / "c.bin"));
  EXPECT_EQ(ui.dialogs.back().startFolder, folder.path());
  ui.folderAnswers = {folder.path()};
  orb.changeFolder();
  EXPECT_EQ(orb.outputFolder(), folder.path());
}

// A resource larger than the copy's chunks comes out whole; STOP during a copy writes nothing.
TEST(OrbiskSaveResource, StreamsInChunksAndStopsCleanly) {
  test::TempFolder folder;
  Bytes data = filler(999, 4);
  auto sound = orbisk_test::wave((3u << 20) + 5);
  append(data, sound);
  writeAll(folder.path() / "big.bin", data);
  orbisk::Resource resource{999, sound.size(), "big0000.WAV", orbisk::Kind::Wave};
  auto saved = orbisk::saveResource(folder.path() / "big.bin", resource, folder.path() / "a.wav");
  ASSERT_TRUE(saved.has_value()) << saved.error().message;
  EXPECT_EQ(saved->bytes, sound.size());
  EXPECT_FALSE(saved->truncated);
  EXPECT_EQ(readAll(folder.path() / "a.wav"), sound);

  writeAll(folder.path() / "b.wav", Bytes{7});
  ui::ProgressCallbacks stop;
  stop.stop = [] { return true; };
  saved = orbisk::saveResource(folder.path() / "big.bin", resource, folder.path() / "b.wav", stop);
  ASSERT_TRUE(saved.has_value());
  EXPECT_TRUE(saved->stopped);
  EXPECT_EQ(readAll(folder.path() / "b.wav"), Bytes{7});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);

  // A start past the end of the file: an empty file, said to be truncated.
  saved = orbisk::saveResource(folder.path() / "big.bin", {data.size() + 10, 100, "x", orbisk::Kind::Wave},
                               folder.path() / "c.wav");
  ASSERT_TRUE(saved.has_value());
  EXPECT_TRUE(saved->truncated);
  EXPECT_EQ(fs::file_size(folder.path() / "c.wav"), 0u);
}

// A file that shrinks or changes under a scan or a save is told, never a crash (the scan's
// mapping would fault past the new end) nor a copy of a mix of old and new bytes.
TEST_F(OrbiskFlow, AFileChangedUnderAScanOrASaveIsTold) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows lets no file shrink while it is mapped or open elsewhere, so this change cannot happen there";
#endif
  const fs::path big = folder.path() / "big.bin";
  Bytes data = orbisk_test::wave(10);
  append(data, filler(20u << 20, 5));
  writeAll(big, data);
  ui::ProgressCallbacks cut;
  cut.report = [&](std::uint64_t, std::uint64_t) { fs::resize_file(big, 1000); };
  auto scan = orbisk::scanFile(big, orbisk::Kind::Wave, cut);
  ASSERT_FALSE(scan);
  EXPECT_EQ(scan.error().message, base::displayPath(big) + " changed while it was being scanned.");

  writeAll(big, data);
  orbisk::Resource resource{30, 3u << 20, "big0000.WAV", orbisk::Kind::Wave};
  auto saved = orbisk::saveResource(big, resource, out / "a.wav", cut);
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.error().message, base::displayPath(big) + " changed while it was being saved.");
  EXPECT_FALSE(fs::exists(out / "a.wav"));

  auto orb = tool();
  ASSERT_EQ(orb.find(), ui::Outcome::Done);
  fs::resize_file(scanned, content.size() - 1);
  EXPECT_EQ(orb.save({0}).outcome, ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(), base::displayPath(scanned) + " changed since it was scanned. Find its resources again.");
  EXPECT_FALSE(fs::exists(out / "samp0000.BMP"));
}

TEST(OrbiskWindowTexts, TabStopsFollowTheSections) {
  EXPECT_EQ(orbisk::tabStops(orbisk::kHeaderWidths), (std::array<int, 4>{0, 122, 237, 347}));
}

}  // namespace
