// The preview window as the person meets it, offscreen and without a sound device: bitmaps in
// windows of the right size, previous/next moving the list's selection along, the player's
// labels, timer and end of play driven through a player of the test's own, the window that
// says it cannot play, and the temp folder removed at exit.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/user_folders.hpp"
#include "orbisk/media.hpp"
#include "orbisk/midi_render.hpp"
#include "orbisk/preview_text.hpp"
#include "orbisk/preview_window.hpp"
#include "orbisk/window.hpp"
#include "support/window_support.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using orbisk_test::Bytes;

// A player that plays nothing: the test sets its position and ends the sound.
class FakePlayer : public orbisk::Player {
 public:
  std::vector<std::string> calls;
  fs::path opened;
  std::uint64_t at = 0;
  bool isPlaying = false;

  bool open(const fs::path& wave) override {
    opened = wave;
    at = 0;
    calls.push_back("open");
    return true;
  }
  void close() override {
    opened.clear();
    isPlaying = false;
    calls.push_back("close");
  }
  void play() override {
    isPlaying = true;
    calls.push_back("play");
  }
  void stop() override {
    isPlaying = false;
    calls.push_back("stop");
  }
  void seek(std::uint64_t ms) override {
    at = ms;
    calls.push_back("seek " + std::to_string(ms));
  }
  std::uint64_t position() const override { return at; }
  bool playing() const override { return isPlaying; }
  void playToEnd(std::uint64_t end) {
    at = end;
    isPlaying = false;
    emit ended();
  }
};

// An 8-bit bitmap of the given size in grey stripes.
Bytes stripes(std::uint32_t width, std::uint32_t height) {
  base::Palette palette{};
  for (int i = 0; i < 256; ++i) palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)};
  Bytes pixels(width * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>((i % width) * 255 / width);
  return base::write8BitBmp(width, height, palette, pixels);
}

class OrbiskPreview : public ::testing::Test {
 protected:
  orbisk::PreviewWindow& preview() { return window.previewWindow(); }
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(preview(), name);
  }
  QString text(const char* label) { return control<QLabel>(label)->text(); }
  QTreeWidget* list() { return test::findControl<QTreeWidget>(window, "DataListBox"); }
  std::vector<int> selectedLines() {
    std::vector<int> lines;
    for (int line = 0; line < list()->topLevelItemCount(); ++line)
      if (list()->topLevelItem(line)->isSelected()) lines.push_back(line);
    return lines;
  }

  // Writes the parts into "pack.dat" between filler bytes and scans it for `kind`.
  void scan(const std::vector<Bytes>& parts, orbisk::Kind kind) {
    Bytes pack = orbisk_test::filler(10, 7);
    for (const Bytes& part : parts) {
      orbisk_test::append(pack, part);
      orbisk_test::append(pack, orbisk_test::filler(3, 8));
    }
    const fs::path file = folder.path() / "pack.dat";
    ASSERT_TRUE(base::writeFileAtomically(file, pack));
    window.setFileName(ui::fromPath(file));
    window.setKind(kind);
    window.find();
    for (int i = 0; i < 2000 && window.busy(); ++i) QTest::qWait(5);
    ASSERT_FALSE(window.busy());
    ASSERT_EQ(list()->topLevelItemCount(), static_cast<int>(parts.size()));
    ui.messages.clear();
  }

  // The preview gets players of the test's own; the last one made is `player`.
  void useFakePlayers() {
    preview().setPlayerFactory([this](QString&) {
      auto made = std::make_unique<FakePlayer>();
      player = made.get();
      return made;
    });
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  orbisk::Window window{ui, folder.path()};
  FakePlayer* player = nullptr;
};

TEST_F(OrbiskPreview, BitmapsOpenWindowsOfTheirSizeAndNextWrapsAroundMovingTheSelection) {
  Bytes broken = orbisk_test::plainBitmap();
  broken[28] = 7;  // 7 bits a pixel: the scan lists it, no reader decodes it
  scan({stripes(50, 30), stripes(300, 20), orbisk_test::rleBitmap(), broken}, orbisk::Kind::Bitmap);
  EXPECT_FALSE(preview().isVisible());  // made with the program, shown on demand

  list()->setCurrentItem(list()->topLevelItem(0));
  test::findControl<QPushButton>(window, "PreViewBtn")->click();
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
  EXPECT_TRUE(preview().isVisible());
  EXPECT_FALSE(preview().isModal());
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.BMP"));
  EXPECT_EQ(preview().size(), QSize(320, 240));  // at least a useful size
  EXPECT_EQ(control<QLabel>("Image1")->pixmap().size(), QSize(50, 30));
  EXPECT_TRUE(control<QScrollArea>("PictureArea")->isVisible());
  EXPECT_FALSE(control<QWidget>("SoundPanel")->isVisible());

  control<QToolButton>("NextButton")->click();
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0001.BMP"));
  EXPECT_EQ(preview().size(), QSize(320, 240));
  EXPECT_EQ(selectedLines(), std::vector<int>{1});

  // The run-length compressed bitmap is decoded: 4 × 2 pixels, its bottom row (stored first)
  // white, its top row black.
  control<QToolButton>("NextButton")->click();
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0002.RLE"));
  const QImage rle = control<QLabel>("Image1")->pixmap().toImage();
  ASSERT_EQ(rle.size(), QSize(4, 2));
  EXPECT_EQ(rle.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(rle.pixelColor(3, 1), QColor(Qt::white));
  EXPECT_EQ(preview().size(), QSize(320, 240));

  // The undecodable one is said, and becomes the current line all the same.
  control<QToolButton>("NextButton")->click();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"プレビューに失敗しました"});
  EXPECT_EQ(selectedLines(), std::vector<int>{3});

  // After the last comes the first, and before the first the last.
  control<QToolButton>("NextButton")->click();
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.BMP"));
  EXPECT_EQ(selectedLines(), std::vector<int>{0});
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(0));
  control<QToolButton>("PreviousButton")->click();
  EXPECT_EQ(selectedLines(), std::vector<int>{3});
}

TEST_F(OrbiskPreview, PreviewShowsTheCurrentLineAloneAndDoubleClickShowsItsLine) {
  scan({stripes(20, 10), stripes(30, 10)}, orbisk::Kind::Bitmap);
  list()->selectAll();
  list()->setCurrentItem(list()->topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
  test::findControl<QPushButton>(window, "PreViewBtn")->click();
  EXPECT_EQ(selectedLines(), std::vector<int>{1});
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0001.BMP"));

  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QPoint first = list()->visualItemRect(list()->topLevelItem(0)).center();
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, first);
  QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, first);
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.BMP"));

  // With one resource, previous and next do nothing.
  scan({stripes(20, 10)}, orbisk::Kind::Bitmap);
  EXPECT_FALSE(preview().isVisible());  // a new scan closes the old list's preview
  window.move(30, 50);
  window.previewLine(0);
  // Opened again beside the shown main window, level with it, and inside the screen.
  EXPECT_TRUE(window.screen()->availableGeometry().contains(preview().frameGeometry()));
  EXPECT_EQ(preview().frameGeometry().top(), window.frameGeometry().top());
  preview().next();
  preview().previous();
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.BMP"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OrbiskPreview, AWaveShowsItsLengthAndThePositionWhilePlaying) {
  useFakePlayers();
  scan({orbisk_test::wave(8000), orbisk_test::wave(4000)}, orbisk::Kind::Wave);
  window.previewLine(0);
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->opened, *window.previewFolder().folder() / "Temp0000.WAV");
  EXPECT_EQ(player->opened.parent_path().parent_path(), *base::userTemporaryFolder() / "OrbTemp");  // never the program's
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.WAV"));
  EXPECT_TRUE(control<QWidget>("SoundPanel")->isVisible());
  EXPECT_FALSE(control<QScrollArea>("PictureArea")->isVisible());
  EXPECT_FALSE(control<QLabel>("SoundNote")->isVisible());
  EXPECT_EQ(preview().size(), QSize(250, 115));
  EXPECT_EQ(text("LengthLabel"), QStringLiteral("/ 1.00秒"));
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0.00"));
  QSlider* bar = control<QSlider>("PositionBar");
  EXPECT_EQ(bar->maximum(), 1000);
  QTimer* timer = preview().findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 100);
  EXPECT_FALSE(timer->isActive());

  // Play starts the timer, whose ticks show the position.
  control<QPushButton>("MediaPlay")->click();
  EXPECT_TRUE(player->isPlaying);
  EXPECT_TRUE(timer->isActive());
  player->at = 456;
  QTest::qWait(250);
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0.46"));
  EXPECT_EQ(bar->value(), 456);
  control<QPushButton>("MediaStop")->click();
  EXPECT_FALSE(player->isPlaying);

  // The end of play stops the timer and shows the end.
  control<QPushButton>("MediaPlay")->click();
  player->playToEnd(1000);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("1.00"));
  control<QPushButton>("MediaPrevious")->click();
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0.00"));
  control<QPushButton>("MediaNext")->click();
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("1.00"));

  // The next wave reuses the window and the player.
  FakePlayer* first = player;
  control<QToolButton>("NextButton")->click();
  EXPECT_EQ(player, first);
  EXPECT_EQ(text("LengthLabel"), QStringLiteral("/ 0.50秒"));
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0.00"));
  EXPECT_EQ(selectedLines(), std::vector<int>{1});

  // Closing the preview stops the player and closes its file.
  preview().close();
  EXPECT_EQ(player->calls.back(), "close");
  EXPECT_TRUE(player->opened.empty());
}

TEST_F(OrbiskPreview, AMidiSoundIsRenderedAndShownInMinutesAndSeconds) {
  useFakePlayers();
  scan({orbisk_test::arpeggioMidi()}, orbisk::Kind::Midi);
  window.previewLine(0);
  EXPECT_EQ(preview().windowTitle(), QStringLiteral("プレビュー - pack0000.MID"));
  EXPECT_EQ(text("LengthLabel"), QStringLiteral("/ 0分02秒"));
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0分00秒"));
  EXPECT_EQ(preview().findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 200);
  EXPECT_TRUE(fs::exists(*window.previewFolder().folder() / "Temp0000.MID"));
  if (!orbisk::findSoundFont(orbisk::soundFontFolders(folder.path()))) {
    EXPECT_EQ(text("SoundNote"), ui::toQString(orbisk::noSoundFontMessage(orbisk::soundFontFolders(folder.path()))));
    GTEST_SKIP() << "no General MIDI SoundFont installed";
  }
  // Rendered on a worker thread while the window shows the length.
  EXPECT_TRUE(preview().rendering());
  EXPECT_FALSE(control<QPushButton>("MediaPlay")->isEnabled());
  for (int i = 0; i < 1000 && preview().rendering(); ++i) QTest::qWait(10);
  ASSERT_FALSE(preview().rendering());
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->opened.filename(), fs::path("TempMidi.WAV"));
  EXPECT_TRUE(control<QLabel>("SoundNote")->isHidden()) << text("SoundNote").toStdString();
  EXPECT_TRUE(control<QPushButton>("MediaPlay")->isEnabled());
  control<QPushButton>("MediaPlay")->click();
  player->at = 1999;
  QTest::qWait(450);
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0分01秒"));
  player->playToEnd(2000);
  EXPECT_EQ(text("PositionLabel"), QStringLiteral("0分02秒"));

  // Leaving a sound while it is rendered stops the render at once.
  window.previewLine(0);
  EXPECT_TRUE(preview().rendering());
  preview().close();
  EXPECT_FALSE(preview().rendering());
}

TEST_F(OrbiskPreview, WithoutASoundDeviceTheSoundStillOpensShowsItsLengthAndSaysSo) {
  if (orbisk::soundOutputAvailable()) GTEST_SKIP() << "this machine has a sound device";
  scan({orbisk_test::wave(8000)}, orbisk::Kind::Wave);
  window.previewLine(0);  // the system's player: there is none
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(preview().isVisible());
  EXPECT_EQ(text("LengthLabel"), QStringLiteral("/ 1.00秒"));
  EXPECT_EQ(text("SoundNote"), QString::fromUtf8(orbisk::kNoSoundDevice));
  EXPECT_FALSE(control<QLabel>("SoundNote")->isHidden());
  EXPECT_FALSE(control<QPushButton>("MediaPlay")->isEnabled());
  EXPECT_EQ(preview().width(), 250);
  EXPECT_GE(preview().height(), 115);
  preview().play();  // nothing happens, nothing hangs
  EXPECT_EQ(preview().player(), nullptr);
}

TEST_F(OrbiskPreview, SaveFromThePreviewNeedsTheOutputFolder) {
  scan({stripes(20, 10)}, orbisk::Kind::Bitmap);
  window.previewLine(0);
  window.flow().setOutputFolder(folder.path() / "gone");
  control<QToolButton>("SaveButton")->click();
  EXPECT_EQ(ui.messages, std::vector<std::string>{orbisk::previewNoFolderMessage(base::displayPath(folder.path() / "gone"))});
  window.flow().setOutputFolder(folder.path());
  control<QToolButton>("SaveButton")->click();
  EXPECT_EQ(*base::readFile(folder.path() / "pack0000.BMP", 1 << 20), stripes(20, 10));
  EXPECT_EQ(test::findControl<QLabel>(window, "SavedLabel")->text(),
            QStringLiteral("Saved 1 resource to %1").arg(ui::fromPath(folder.path())));
}

TEST_F(OrbiskPreview, ClosingTheProgramRemovesTheTempFolderOrSaysWhyNot) {
  useFakePlayers();
  scan({orbisk_test::wave(100)}, orbisk::Kind::Wave);
  window.previewLine(0);
  const fs::path own = *window.previewFolder().folder();
  EXPECT_TRUE(fs::exists(own / "Temp0000.WAV"));
  window.show();
  window.close();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(fs::exists(own));
  EXPECT_FALSE(fs::exists(folder.path() / "OrbTemp"));
  EXPECT_FALSE(preview().isVisible());

  // Someone's file in the folder keeps it: the message says so.
  window.previewLine(0);
  const fs::path again = *window.previewFolder().folder();
  ASSERT_TRUE(base::writeFileAtomically(again / "keep.txt", Bytes{1}));
  window.show();
  window.close();
  EXPECT_EQ(ui.messages, std::vector<std::string>{orbisk::tempFolderMessage(base::displayPath(again))});
  EXPECT_FALSE(fs::exists(again / "Temp0000.WAV"));
}

}  // namespace
