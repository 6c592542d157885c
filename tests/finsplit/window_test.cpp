// finsplit's window as the person meets it: its caption and controls, SetFolder, Cut and a
// dropped file, with the dialogs answered by a script.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "finsplit/window.hpp"
#include "support/window_support.hpp"
#include "samples/samples.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

class FinsplitWindow : public ::testing::Test {
 protected:
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(window, name);
  }
  QString text(const char* name) { return control<QLabel>(name)->text(); }
  void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
  // Drags a file over the window and drops it there, as a file manager would.
  void drop(const fs::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ui::fromPath(file))});
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &dropped);
    EXPECT_TRUE(dropped.isAccepted());
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  finsplit::Window window{ui, folder.path()};
};

TEST_F(FinsplitWindow, ShowsItsCaptionAndControls) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("FinSplit for BRINMOOR    Ver1.0.0"));
  EXPECT_EQ(text("lblSaveFolderCaption"), QStringLiteral("Save Folder"));
  EXPECT_EQ(text("lblSaveFolder"), ui::fromPath(folder.path()));
  EXPECT_EQ(control<QPushButton>("cmdSetFolder")->text(), QStringLiteral("SetFolder"));
  EXPECT_EQ(control<QPushButton>("cmdCut")->text(), QStringLiteral("Cut"));
  EXPECT_TRUE(window.acceptDrops());
}

TEST_F(FinsplitWindow, SetFolderShowsTheChosenFolderAndKeepsItWhenCancelled) {
  const fs::path chosen = folder.path() / "frames";
  fs::create_directories(chosen);
  ui.folderAnswers = {chosen, std::nullopt};

  click("cmdSetFolder");
  EXPECT_EQ(text("lblSaveFolder"), ui::fromPath(chosen));
  EXPECT_EQ(window.flow().saveFolder(), chosen);

  click("cmdSetFolder");  // the dialog closed without OK
  EXPECT_EQ(text("lblSaveFolder"), ui::fromPath(chosen));
  EXPECT_TRUE(ui.folderAnswers.empty());
}

TEST_F(FinsplitWindow, CutTellsHowManyBitmapsWereWrittenAndStaysQuietWhenCancelled) {
  const fs::path fish = folder.path() / "sample.fsh";
  ASSERT_TRUE(samples::writeFish(fish));
  const QString before = text("lblStatus");

  click("cmdCut");  // the OPEN dialog is cancelled
  ASSERT_TRUE(window.waitUntilIdle());  // the cut runs on a worker thread
  EXPECT_EQ(text("lblStatus"), before);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");

  ui.openAnswers.push_back(fish);
  click("cmdCut");
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(text("lblStatus"), QStringLiteral("144 frames written to ") + ui::fromPath(folder.path()));
  EXPECT_TRUE(fs::exists(folder.path() / "0000.bmp"));
  EXPECT_TRUE(fs::exists(folder.path() / "0143.bmp"));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.questions.empty());
}

// The frames of an earlier cut are replaced only after one Yes for them all.
TEST_F(FinsplitWindow, CutAsksOnceBeforeReplacingFramesAndNoWritesNothing) {
  const fs::path fish = folder.path() / "sample.fsh";
  ASSERT_TRUE(samples::writeFish(fish));
  std::ofstream(folder.path() / "0000.bmp") << "earlier";
  std::ofstream(folder.path() / "0005.bmp") << "earlier";
  ui.openAnswers = {fish, fish};
  ui.questionAnswers = {ui::Answer::No, ui::Answer::Yes};
  click("cmdCut");
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(ui.questions, std::vector<std::string>{"2 of the 144 frame files (0000.bmp to 0143.bmp) already exist in " +
                                                   folder.path().string() + ".\nDo you want to replace them?"});
  EXPECT_FALSE(fs::exists(folder.path() / "0001.bmp"));
  EXPECT_EQ(fs::file_size(folder.path() / "0000.bmp"), 7u);

  click("cmdCut");
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(ui.questions.size(), 2u);
  EXPECT_TRUE(fs::exists(folder.path() / "0143.bmp"));
  EXPECT_GT(fs::file_size(folder.path() / "0000.bmp"), 7u);
}

TEST_F(FinsplitWindow, ADroppedFileIsCutWithoutAskingAndAFailureIsTold) {
  const fs::path fish = folder.path() / "sample.fsh";
  ASSERT_TRUE(samples::writeFish(fish));
  const fs::path out = folder.path() / "out";
  fs::create_directories(out);
  ui.folderAnswers.push_back(out);
  click("cmdSetFolder");

  drop(fish);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(out / "0143.bmp"); }, 2000));  // the cut runs once the drop is over
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(text("lblStatus"), QStringLiteral("144 frames written to ") + ui::fromPath(out));
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.messages.empty());

  drop(out);  // a folder, not a fish file
  EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 2000));
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(text("lblStatus").isEmpty()) << text("lblStatus").toStdString();
}

}  // namespace
