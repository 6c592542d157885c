// The archive patch: the backup made once, each erase starting from it, undo, and the
// archive left as it was whenever the backup cannot be had.
#include <gtest/gtest.h>

#include "base/file_io.hpp"
#include "netkeeper/archive_patch.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

using namespace netkeeper;
namespace fs = std::filesystem;

base::Bytes archiveBytes(std::size_t size, std::uint8_t salt = 0) {
  base::Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(1 + (i * 7 + salt) % 251);
  return bytes;
}

base::Bytes blanked(base::Bytes bytes, std::uint64_t first, std::uint64_t last) {
  for (std::uint64_t i = first; i <= last && i < bytes.size(); ++i) bytes[i] = 0;
  return bytes;
}

class ArchivePatchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(base::writeFileAtomically(archive, original)); }
  base::Bytes read(const fs::path& path) { return *base::readFile(path, 1 << 22); }

  test::TempFolder folder;
  fs::path archive = folder.path() / "Brinmoor.rez";
  fs::path backup = folder.path() / "Brinmoor.org";
  base::Bytes original = archiveBytes(600'000);
  ui::ScriptedUi ui;
  ArchivePatch patch{ui};
};

TEST_F(ArchivePatchTest, FirstEraseMakesTheBackupAndBlanksTheChosenRange) {
  ASSERT_EQ(patch.erase(archive, {false, true, false, false}), ui::Outcome::Done);
  EXPECT_EQ(read(backup), original);
  EXPECT_EQ(read(archive), blanked(original, 164550, 192661));
  EXPECT_TRUE(ui.wasBusy);
}

TEST_F(ArchivePatchTest, EachEraseStartsFromTheBackup) {
  patch.erase(archive, {false, true, false, false});
  patch.erase(archive, {true, false, false, false});
  EXPECT_EQ(read(archive), blanked(original, 210778, 555729));
  patch.erase(archive, {true, true, true, true});
  EXPECT_EQ(read(archive),
            blanked(blanked(blanked(blanked(original, 210778, 555729), 164550, 192661), 26236, 51175), 22608, 25143));
  EXPECT_EQ(read(backup), original);
}

TEST_F(ArchivePatchTest, EraseWithoutARangeOrStoppedTouchesNothing) {
  EXPECT_EQ(patch.erase(archive, {}), ui::Outcome::Cancelled);
  ui.stopPressed = true;
  EXPECT_EQ(patch.erase(archive, {true, true, true, true}), ui::Outcome::Cancelled);
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_EQ(read(archive), original);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArchivePatchTest, UndoPutsTheBackupBack) {
  patch.erase(archive, {true, false, true, false});
  ASSERT_EQ(patch.undo(archive), ui::Outcome::Done);
  EXPECT_EQ(read(archive), original);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArchivePatchTest, UndoWithoutAUsableBackupSaysSoAndTouchesNothing) {
  EXPECT_EQ(patch.undo(archive), ui::Outcome::Refused);
  ASSERT_TRUE(base::writeFileAtomically(backup, archiveBytes(1000)));  // another length
  EXPECT_EQ(patch.undo(archive), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{kNoOriginal, kNoOriginal}));
  EXPECT_EQ(read(archive), original);
}

TEST_F(ArchivePatchTest, AnArchiveOfAnotherLengthGetsAFreshBackup) {
  ASSERT_TRUE(base::writeFileAtomically(backup, archiveBytes(1000)));
  const auto newer = archiveBytes(30'000, 9);  // shorter than the heater range
  ASSERT_TRUE(base::writeFileAtomically(archive, newer));
  ASSERT_EQ(patch.erase(archive, {true, false, true, true}), ui::Outcome::Done);
  EXPECT_EQ(read(backup), newer);
  // Ranges past the end are not part of the file: the length stays 30,000.
  EXPECT_EQ(read(archive), blanked(blanked(newer, 26236, 51175), 22608, 25143));
}

TEST_F(ArchivePatchTest, ABackupThatCannotBeMadeLeavesTheArchiveAlone) {
  fs::create_directory(backup);  // a folder where the backup should go
  EXPECT_EQ(patch.erase(archive, {true, true, true, true}), ui::Outcome::Refused);
  EXPECT_EQ(read(archive), original);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("left as it was"), std::string::npos);
}

TEST_F(ArchivePatchTest, ANewArchiveIsNeverRevertedToTheOldBackup) {
  ASSERT_EQ(patch.erase(archive, {true, false, false, false}), ui::Outcome::Done);
  const auto update = archiveBytes(original.size(), 5);  // a new version of the same length
  ASSERT_TRUE(base::writeFileAtomically(archive, update));
  EXPECT_EQ(patch.erase(archive, {false, true, false, false}), ui::Outcome::Refused);
  EXPECT_EQ(patch.undo(archive), ui::Outcome::Refused);
  EXPECT_EQ(read(archive), update);
  EXPECT_EQ(read(backup), original);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[0].find("no longer matches its backup " + backup.string()), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find("Move " + backup.string() + " away"), std::string::npos);
}

TEST_F(ArchivePatchTest, ATooShortArchiveSaysWhatWasAndWasNotErased) {
  ASSERT_TRUE(base::writeFileAtomically(archive, archiveBytes(30'000)));
  ASSERT_EQ(patch.erase(archive, {true, false, true, true}), ui::Outcome::Done);
  EXPECT_EQ(patch.erased(), (std::vector<std::string>{"Heater(Layout)", "Filter(Layout)"}));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Erased only Heater(Layout) and Filter(Layout): the archive " + archive.string() +
                                                  " is 30,000 bytes long, too short to hold Heater (from byte 210,778). "
                                                  "Heater(Layout) ends past it and was erased up to the archive's end."});
  ui.messages.clear();
  ASSERT_TRUE(base::writeFileAtomically(archive, {}));
  EXPECT_EQ(patch.erase(archive, {true, false, false, false}), ui::Outcome::Refused);
  EXPECT_TRUE(patch.erased().empty());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Nothing was erased: the archive " + archive.string() +
                                                  " is 0 bytes long, too short to hold Heater (from byte 210,778)."});
  EXPECT_EQ(read(archive), base::Bytes{});
}

TEST_F(ArchivePatchTest, AnArchiveBehindALinkIsErasedWhereItLies) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links made without privileges are POSIX's (Windows asks for administrator rights or developer mode)";
#endif
  fs::create_directory(folder.path() / "game");
  const auto linked = folder.path() / "game" / "Brinmoor.rez";
  fs::create_symlink(archive, linked);
  ASSERT_EQ(patch.erase(linked, {false, true, false, false}), ui::Outcome::Done);
  EXPECT_TRUE(fs::is_symlink(linked));
  EXPECT_EQ(read(archive), blanked(original, 164550, 192661));
}

TEST(ArchiveNames, BackupBesideTheArchiveAndTheNameInAnyCase) {
  EXPECT_EQ(backupPath("/games/tank/Brinmoor.rez"), fs::path("/games/tank/Brinmoor.org"));
  EXPECT_EQ(backupPath("/Brinmoor.rez"), fs::path("/Brinmoor.org"));
  EXPECT_TRUE(isArchiveName("/x/BRINMOOR.REZ"));
  EXPECT_FALSE(isArchiveName("/x/Brinmoor.rez.bak"));
}

}  // namespace
