// The folder dialog: what its lists show, how a folder is opened, and what OK hands back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "support/window_support.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/folder_dialog.hpp"
#include "ui/qt/qt_ui.hpp"

namespace {

namespace fs = std::filesystem;

// Every entry of the folder list, depth first, with its depth.
std::vector<std::pair<int, QString>> folderEntries(const QTreeWidget& tree) {
  std::vector<std::pair<int, QString>> out;
  std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
    out.emplace_back(depth, item->text(0));
    for (int i = 0; i < item->childCount(); ++i) walk(item->child(i), depth + 1);
  };
  for (int i = 0; i < tree.topLevelItemCount(); ++i) walk(tree.topLevelItem(i), 0);
  return out;
}

// A folder as the dialog keeps it: '/' between the names on every system.
QString inside(const fs::path& path) { return QDir::fromNativeSeparators(ui::fromPath(path)); }

QStringList fileEntries(const QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
  return out;
}

QTreeWidgetItem* entryNamed(QTreeWidget& tree, const QString& name) {
  auto found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

// What choosing an entry of the drive list does.
void pick(QComboBox& drives, int index) {
  drives.setCurrentIndex(index);
  emit drives.activated(index);
}

class FolderDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* sub : {"frames", "Icons", "backup/old", ".hidden"}) fs::create_directories(folder.path() / sub);
    for (const char* file : {"b.fsh", "a.bmp", "frames/0000.bmp"}) std::ofstream(folder.path() / file) << "x";
  }
  test::TempFolder folder;
};

TEST_F(FolderDialogTest, ListsTheRootDownToTheFolderThenItsSubfoldersAndItsFiles) {
  ui::FolderDialog dialog(folder.path());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose Folder"));
  auto* folders = dialog.findChild<QTreeWidget*>(QStringLiteral("Dir1"));
  auto* files = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
  ASSERT_TRUE(folders && files);
  EXPECT_EQ(dialog.folder(), inside(folder.path()));

  // "/" ("C:\\" on Windows), "tmp", "brinkit-test-…", then the subfolders one level deeper,
  // sorted without regard to case; hidden folders stay out of the way.
  std::vector<std::pair<int, QString>> expected;
  int depth = 0;
  expected.emplace_back(depth++, ui::fromPath(folder.path().root_path()));
  for (const auto& part : folder.path().relative_path()) expected.emplace_back(depth++, ui::fromPath(part));
  for (const char* sub : {"backup", "frames", "Icons"}) expected.emplace_back(depth, QString::fromLatin1(sub));
  EXPECT_EQ(folderEntries(*folders), expected);
  EXPECT_EQ(folders->currentItem()->text(0), ui::fromPath(folder.path().filename()));
  EXPECT_EQ(fileEntries(*files), (QStringList{"a.bmp", "b.fsh"}));
}

TEST_F(FolderDialogTest, OpeningAFolderMovesTheListsAndOkHandsItBack) {
  test::onNextModal([this](QWidget* modal) {
    auto* folders = modal->findChild<QTreeWidget*>(QStringLiteral("Dir1"));
    // Enter opens the highlighted folder without closing the dialog.
    folders->setCurrentItem(entryNamed(*folders, QStringLiteral("frames")));
    QTest::keyClick(folders, Qt::Key_Return);
    if (!modal->isVisible()) return;
    EXPECT_EQ(fileEntries(*modal->findChild<QListWidget*>(QStringLiteral("File1"))), QStringList{"0000.bmp"});
    // Double-clicking an ancestor goes back up.
    emit folders->itemActivated(entryNamed(*folders, ui::fromPath(folder.path().filename())), 0);
    folders->setCurrentItem(entryNamed(*folders, QStringLiteral("backup")));
    QTest::keyClick(folders, Qt::Key_Return);
    QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  EXPECT_EQ(ui::chooseFolderDialog(nullptr, folder.path()), folder.path() / "backup");
}

TEST_F(FolderDialogTest, ATypedPathGoesThereNewFolderMakesOneAndTheChoiceIsRemembered) {
  test::onNextModal([this](QWidget* modal) {
    auto* path = modal->findChild<QLineEdit*>(QStringLiteral("txtPath"));
    ASSERT_NE(path, nullptr);
    // Enter in the path box goes to the pasted folder without closing the dialog.
    path->setText(QStringLiteral("\"") + ui::fromPath(folder.path() / "backup") + QStringLiteral("\""));
    QTest::keyClick(path, Qt::Key_Return);
    ASSERT_TRUE(modal->isVisible());
    EXPECT_EQ(static_cast<ui::FolderDialog*>(modal)->folder(), inside(folder.path() / "backup"));
    test::onNextModal([](QWidget* asking) {
      auto* input = qobject_cast<QInputDialog*>(asking);
      ASSERT_NE(input, nullptr);
      input->setTextValue(QStringLiteral("fresh"));
      input->accept();
    });
    QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdNewFolder")), Qt::LeftButton);
    // Enter on the open folder in the folder list means OK.
    QTest::keyClick(modal->findChild<QTreeWidget*>(QStringLiteral("Dir1")), Qt::Key_Return);
  });
  const auto chosen = ui::chooseFolderDialog(nullptr, fs::current_path());
  EXPECT_EQ(chosen, folder.path() / "backup" / "fresh");
  EXPECT_TRUE(fs::is_directory(folder.path() / "backup" / "fresh"));

  // Started without a folder of its own, the dialog opens where the last choice was made.
  QString opened;
  test::onNextModal([&](QWidget* modal) {
    opened = static_cast<ui::FolderDialog*>(modal)->folder();
    static_cast<QDialog*>(modal)->reject();
  });
  ui::chooseFolderDialog(nullptr, {});
  EXPECT_EQ(opened, inside(folder.path() / "backup" / "fresh"));
}

TEST_F(FolderDialogTest, ClosingWithoutOkHandsNothingBack) {
  test::onNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(ui::chooseFolderDialog(nullptr, folder.path()), std::nullopt);
}

TEST_F(FolderDialogTest, StartsAtTheNearestFolderThatExists) {
  ui::FolderDialog dialog(folder.path() / "frames" / "gone" / "deeper");
  EXPECT_EQ(dialog.folder(), inside(folder.path() / "frames"));
}

TEST_F(FolderDialogTest, DrivesOfferTheRootFirstAndEachVolumeOnce) {
  const QStringList drives = ui::FolderDialog::drives();
  ASSERT_FALSE(drives.isEmpty());
#ifdef Q_OS_WIN
  // The drive letters, the system's among them.
  EXPECT_TRUE(drives.contains(QDir::rootPath()));
  for (const QString& drive : drives) EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z]:/$")).match(drive).hasMatch()) << drive.toStdString();
#else
  EXPECT_EQ(drives.first(), QDir::rootPath());
#endif
  EXPECT_EQ(drives.size(), QSet<QString>(drives.begin(), drives.end()).size());
}

TEST_F(FolderDialogTest, ADriveThatCannotBeReadIsToldAndTheDriveListGoesBack) {
  ui::FolderDialog dialog(folder.path());
  auto* drives = dialog.findChild<QComboBox*>(QStringLiteral("Drive1"));
  ASSERT_NE(drives, nullptr);
  const int before = drives->currentIndex();
  ASSERT_GE(before, 0);
  const QString gone = inside(folder.path() / "unplugged");
  drives->addItem(gone, gone);

  QString told;
  test::onNextModal([&told](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) told = box->text();
    modal->close();
  });
  pick(*drives, drives->count() - 1);
  EXPECT_TRUE(told.contains(QDir::toNativeSeparators(gone))) << told.toStdString();
  EXPECT_EQ(drives->currentIndex(), before);
  EXPECT_EQ(dialog.folder(), inside(folder.path()));

  // A drive that can be read moves the folder list to it.
  const QString frames = inside(folder.path() / "frames");
  drives->addItem(frames, frames);
  pick(*drives, drives->count() - 1);
  EXPECT_EQ(dialog.folder(), frames);
  EXPECT_EQ(drives->currentIndex(), drives->count() - 1);
}

}  // namespace
