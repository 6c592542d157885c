// finwright's window as the person meets it: its caption, controls and presets, the limits of
// its boxes, Icon with its preview, dropped items and Build, with the dialogs answered by a
// script.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "base/file_io.hpp"
#include "finwright/pipeline.hpp"
#include "finwright/preview_window.hpp"
#include "finwright/window.hpp"
#include "support/window_support.hpp"
#include "samples/samples.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

class FinwrightWindow : public ::testing::Test {
 protected:
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(window, name);
  }
  QString text(const char* name) { return control<QLabel>(name)->text(); }
  QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
  QPlainTextEdit* description() { return control<QPlainTextEdit>("txtDescription"); }
  bool previewShown() { return !control<QLabel>("imgIcon")->pixmap().isNull(); }
  void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
  // Build runs on a worker thread: this waits until its result shows.
  void build() {
    click("cmdBuild");
    EXPECT_TRUE(window.waitUntilIdle());
  }

  fs::path writeIcon() {
    const fs::path icon = folder.path() / "icon.bmp";
    EXPECT_TRUE(base::writeFileAtomically(icon, samples::iconBitmap()));
    return icon;
  }

  // The sample library in the start folder, the sample frames and icon chosen.
  void prepareBuild() {
    ASSERT_TRUE(samples::writeLibrary(folder.path() / "fish.lib"));
    const fs::path frames = folder.path() / "frames";
    ASSERT_TRUE(samples::writeFrames(frames));
    window.setImageFolder(frames);
    window.chooseIcon(frames / "icon.bmp");
  }

  // Drags files over the window (or one of its controls) and drops them there, as a file
  // manager would.
  bool drop(const QList<fs::path>& files, QWidget* on = nullptr) {
    if (!on) on = &window;
    QMimeData data;
    QList<QUrl> urls;
    for (const fs::path& file : files) urls << QUrl::fromLocalFile(ui::fromPath(file));
    data.setUrls(urls);
    const QPoint middle = on->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &dropped);
    return dropped.isAccepted();
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  finwright::Window window{ui, folder.path()};
};

TEST_F(FinwrightWindow, ShowsItsCaptionControlsAndPresets) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Finwright for Brinmoor  Version 1.0.0"));
  EXPECT_EQ(control<QPushButton>("cmdIcon")->text(), QStringLiteral("Icon"));
  EXPECT_EQ(control<QPushButton>("cmdSetFolder")->text(), QStringLiteral("SetFolder"));
  EXPECT_EQ(control<QPushButton>("cmdBuild")->text(), QStringLiteral("Build"));
  EXPECT_EQ(text("lblImageFolderCaption"), QStringLiteral("Image Folder"));
  EXPECT_TRUE(text("lblImageFolder").isEmpty());
  EXPECT_EQ(text("lblID"), QStringLiteral("ID"));
  EXPECT_EQ(box("txtID")->text(), QStringLiteral("0"));

  const char* const labels[][3] = {{"lblFishName", "Fish name", "txtFishName"},
                                   {"lblLatin", "Latin", "txtLatin"},
                                   {"lblGenre", "Genre", "txtGenre"},
                                   {"lblHabitat", "Habitat", "txtHabitat"}};
  for (const auto& [label, caption, name] : labels) {
    EXPECT_EQ(text(label), QString::fromLatin1(caption));
    EXPECT_EQ(box(name)->text(), QStringLiteral("Edit me")) << name;
    EXPECT_EQ(box(name)->maxLength(), 32) << name;
  }
  EXPECT_EQ(text("lblDescription"), QStringLiteral("Description"));
  EXPECT_EQ(description()->toPlainText(), QStringLiteral("Edit me"));

  auto* preview = control<QLabel>("imgIcon");
  EXPECT_EQ(preview->contentsRect().size(), QSize(83, 83));
  EXPECT_TRUE(preview->pixmap().isNull());
  EXPECT_TRUE(window.acceptDrops());
}

TEST_F(FinwrightWindow, TheDescriptionTakesNoMoreThan512Characters) {
  QPlainTextEdit* box = description();
  box->clear();
  box->insertPlainText(QString(600, QLatin1Char('a')));  // as pasted
  EXPECT_EQ(box->toPlainText(), QString(512, QLatin1Char('a')));

  // Typing in the middle of a full box changes nothing, not even the end.
  box->setPlainText(QString(511, QLatin1Char('a')) + QLatin1Char('z'));
  QTextCursor cursor = box->textCursor();
  cursor.setPosition(10);
  box->setTextCursor(cursor);
  QTest::keyClicks(box, QStringLiteral("xy"));
  EXPECT_EQ(box->toPlainText(), QString(511, QLatin1Char('a')) + QLatin1Char('z'));

  // Room made is room to type.
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, QStringLiteral("xy"));
  EXPECT_EQ(box->toPlainText(), QString(9, QLatin1Char('a')) + QLatin1Char('x') + QString(501, QLatin1Char('a')) + QLatin1Char('z'));
}

TEST_F(FinwrightWindow, IconShowsTheChosenBitmapAndClearsItWhenRefused) {
  const fs::path icon = writeIcon();
  ui.openAnswers = {icon, std::nullopt};
  click("cmdIcon");
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Fish Icon");
  EXPECT_TRUE(previewShown());
  EXPECT_EQ(control<QLabel>("imgIcon")->pixmap().size(), QSize(83, 83));
  EXPECT_EQ(window.flow().iconPath(), icon.string());

  click("cmdIcon");  // cancelled: the icon stays
  EXPECT_TRUE(previewShown());
  EXPECT_TRUE(ui.messages.empty());

  const fs::path trueColour = folder.path() / "true colour.bmp";
  QImage picture(83, 83, QImage::Format_RGB888);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(ui::fromPath(trueColour), "BMP"));
  ui.openAnswers = {trueColour};
  click("cmdIcon");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Finwright cannot import files with RLE or 16M color format."});
  EXPECT_FALSE(previewShown());
  EXPECT_TRUE(window.flow().iconPath().empty());
}

TEST_F(FinwrightWindow, DroppedFolderAndBitmapBecomeTheImageFolderAndTheIcon) {
  const fs::path icon = writeIcon();
  const fs::path frames = folder.path() / "frames";
  fs::create_directories(frames);
  const fs::path notes = folder.path() / "notes.txt";
  ASSERT_TRUE(base::writeFileAtomically(notes, base::Bytes{'h', 'i'}));

  // Landing on the Description box changes nothing: the window's rule still decides.
  auto* description = window.findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"));
  ASSERT_NE(description, nullptr);
  const QString before = description->toPlainText();
  EXPECT_FALSE(drop({notes}, description->viewport()));  // neither a folder nor a bitmap
  EXPECT_EQ(description->toPlainText(), before);
  ASSERT_TRUE(drop({notes, frames, icon}, description->viewport()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return previewShown(); }, 2000));  // taken once the drop is over
  EXPECT_EQ(text("lblImageFolder"), ui::fromPath(frames));
  EXPECT_EQ(window.flow().imageFolder(), frames.string());
  EXPECT_EQ(window.flow().iconPath(), icon.string());
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(description->toPlainText(), before);
  EXPECT_FALSE(drop({notes}));
}

TEST_F(FinwrightWindow, BuildTakesWhatTheBoxesHold) {
  prepareBuild();

  // The sample fish's ID and texts, typed into the window, give the sample fish.
  const fishfile::FishTexts texts = samples::sampleFishTexts();
  box("txtID")->setText(QString::number(samples::kSampleFishId));
  box("txtFishName")->setText(QString::fromStdString(texts.name));
  box("txtLatin")->setText(QString::fromStdString(texts.latin));
  box("txtGenre")->setText(QString::fromStdString(texts.genre));
  box("txtHabitat")->setText(QString::fromStdString(texts.habitat));
  description()->setPlainText(QString::fromStdString(texts.description));
  const fs::path output = folder.path() / "sample.fsh";
  ui.saveAnswers = {output};
  build();
  ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
  auto written = base::readFile(output, 1'000'000);
  ASSERT_TRUE(written);
  auto expected = samples::sampleFish();
  ASSERT_TRUE(expected);
  EXPECT_EQ(*written, *expected);
  EXPECT_EQ(text("lblStatus"), QStringLiteral("Wrote sample.fsh in %1: 144 frames, %2 bytes")
                                   .arg(ui::fromPath(folder.path()), QString::fromStdString(base::withThousands(expected->size()))));

  // A refused build clears that report; its message box says why.
  box("txtID")->setText(QStringLiteral("128"));
  build();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"ID is 0 - 127"});
  EXPECT_TRUE(text("lblStatus").isEmpty());
  EXPECT_EQ(ui.dialogs.size(), 1u);  // no second MAKE FISH dialog
}

TEST_F(FinwrightWindow, TheCodePageMenuChoosesHowTextsAreWritten) {
  prepareBuild();
  box("txtFishName")->setText(QString::fromUtf8("Caf\u00e9"));  // no single byte holds it in code page 932
  const fs::path output = folder.path() / "cafe.fsh";
  ui.saveAnswers = {output, output};
  build();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(output));

  control<QAction>("mnuCodePage1252")->trigger();
  build();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(fs::exists(output));
}

// Preview… marks the frame Build would refuse, with Build's own reason, and no other.
TEST_F(FinwrightWindow, PreviewMarksTheFrameBuildRefusesWithBuildsReason) {
  click("cmdPreview");  // no image folder yet
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Please set Image Folder"});
  EXPECT_EQ(window.previewWindow(), nullptr);

  const fs::path frames = folder.path() / "frames";
  ASSERT_TRUE(samples::writeFrames(frames));
  base::Bytes broken = samples::frameBitmap(13);
  broken[28] = 24;  // bits per pixel
  ASSERT_TRUE(base::writeFileAtomically(frames / "0013.bmp", broken));
  window.setImageFolder(frames);
  click("cmdPreview");
  ASSERT_NE(window.previewWindow(), nullptr);
  EXPECT_TRUE(window.previewWindow()->isVisible());

  const fs::path work = folder.path() / "work";
  fs::create_directories(work);
  const auto built = finwright::encodeFrames(frames, work);  // what Build says of the folder
  ASSERT_FALSE(built);
  const auto& animations = window.previewWindow()->player()->animations();
  ASSERT_EQ(animations.size(), 18u);
  QStringList marked;
  for (const auto& animation : animations)
    for (const auto& frame : animation.frames)
      if (!frame.problem.isEmpty()) marked << frame.name + QStringLiteral(": ") + frame.problem;
  EXPECT_EQ(marked, QStringList{QStringLiteral("0013: ") + ui::toQString(built.error().message)});
}

}  // namespace
