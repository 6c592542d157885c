// finsplit's window as the person meets it: its caption and controls, SetFolder, Cut and a
// dropped file, with the dialogs answered by a script.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "base/file_io.hpp"
#include "finsplit/frames.hpp"
#include "finsplit/window.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/system_palette.hpp"
#include "ui/qt/animation_player.hpp"
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

// A dropped fish file is shown (its name among its texts); Cut then cuts it without asking for
// it. A dropped folder is no fish file: that is told.
TEST_F(FinsplitWindow, ADroppedFileIsShownThenCutWithoutAskingAndAFailureIsTold) {
  const fs::path fish = folder.path() / "sample.fsh";
  ASSERT_TRUE(samples::writeFish(fish));
  const fs::path out = folder.path() / "out";
  fs::create_directories(out);
  ui.folderAnswers.push_back(out);
  click("cmdSetFolder");

  drop(fish);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.shownFish().empty(); }, 2000));  // shown once the drop is over
  EXPECT_EQ(text("lblFishName"), ui::toQString(samples::sampleFishTexts().name));
  EXPECT_FALSE(fs::exists(out / "0000.bmp"));
  click("cmdCut");
  ASSERT_TRUE(window.waitUntilIdle());
  EXPECT_EQ(text("lblStatus"), QStringLiteral("144 frames written to ") + ui::fromPath(out));
  EXPECT_TRUE(fs::exists(out / "0143.bmp"));
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.messages.empty());

  drop(out);  // a folder, not a fish file
  EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 2000));
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(text("lblStatus").isEmpty()) << text("lblStatus").toStdString();
}

// The player shows a frame pixel for pixel as the cutter decodes it: each index in the system
// palette, zoomed whole, and the background where the index is 0.
TEST_F(FinsplitWindow, ThePlayerShowsAFrameAsItIsDecoded) {
  const fs::path fish = folder.path() / "sample.fsh";
  ASSERT_TRUE(samples::writeFish(fish));
  ASSERT_TRUE(window.showFish(fish));
  auto bytes = base::readFile(fish, fishfile::kMaxFishFileSize);
  ASSERT_TRUE(bytes);
  auto animations = finsplit::decodeAnimations(*bytes);
  ASSERT_TRUE(animations);
  const int a = 10, k = 5;
  const auto& frame = (*animations)[a].frames[k];

  ui::AnimationPlayer* player = window.player();
  const QColor background(10, 200, 30);
  player->setPlaying(false);
  player->setCurrentAnimation(a);
  player->setFrame(k);
  player->setBackground(background);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QImage shot = player->stage()->grab().toImage();
  const QRect box = player->frameRect(a);
  const int zoom = player->zoom();
  ASSERT_EQ(box.size(), QSize(frame.width * zoom, frame.height * zoom));
  int wrong = 0, clear = 0;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const std::uint8_t index = frame.at(x, y);
      const base::Rgb& rgb = fishfile::systemPalette()[index];
      const QColor expected = index == 0 ? background : QColor(rgb.red, rgb.green, rgb.blue);
      clear += index == 0;
      for (const QPoint corner : {QPoint(0, 0), QPoint(zoom - 1, zoom - 1)})
        wrong += shot.pixelColor(box.topLeft() + QPoint(x * zoom, y * zoom) + corner).rgb() != expected.rgb();
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(clear, 0);  // the frame has clear pixels to show the background through
}

}  // namespace
