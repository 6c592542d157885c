// fernwright's window as the person meets it: its caption, controls and presets, path labels
// that choose their files when clicked, the previews and their sizes, and Create taking what
// the window holds, with the dialogs answered by a script.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "base/file_io.hpp"
#include "fernwright/window.hpp"
#include "support/window_support.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

class FernwrightWindow : public ::testing::Test {
 protected:
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(window, name);
  }
  QString text(const char* name) { return control<QLabel>(name)->text(); }
  QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
  QSize shown(const char* name) { return control<QLabel>(name)->pixmap().size(); }
  void click(const char* name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

  fs::path write(const char* name, base::ByteSpan data) {
    const fs::path file = folder.path() / name;
    EXPECT_TRUE(base::writeFileAtomically(file, data));
    return file;
  }

  // Chooses the sample files by clicking the four path labels.
  void chooseSamples() {
    ui.openAnswers = {write("icon.bmp", samples::plantIcon()), write("top.bmp", samples::plantTop()),
                      write("front.bmp", samples::plantFront()), write("description.txt", base::asBytes("A reed."))};
    for (const char* label : {"Label1_0", "Label1_1", "Label1_2", "Label1_3"}) click(label);
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  fernwright::Window window{ui};
};

TEST_F(FernwrightWindow, ShowsItsCaptionControlsAndPresets) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Fern Wright      Ver 1.0.0"));
  EXPECT_EQ(box("Text2")->text(), QStringLiteral("128"));
  EXPECT_EQ(box("Text2")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  // The ID refuses letters and a number past the largest plant ID, keystroke by keystroke.
  QTest::keyClicks(box("Text2"), QStringLiteral("a9999"));
  EXPECT_EQ(box("Text2")->text(), QStringLiteral("12899"));
  box("Text2")->setText(QStringLiteral("128"));
  EXPECT_EQ(text("lblID"), QStringLiteral("I D"));
  const char* const boxes[][3] = {{"Text1_0", "Sample", "lblLatin"}, {"Text1_1", "Sample2", "lblScientifique"}, {"Text1_2", "Sample3", "lblName"}};
  const char* const captions[] = {"Latin", "Scientifique", "Name"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(box(boxes[i][0])->text(), QString::fromLatin1(boxes[i][1]));
    EXPECT_EQ(text(boxes[i][2]), QString::fromLatin1(captions[i]));
  }
  EXPECT_EQ(control<QCheckBox>("Check1")->text(), QStringLiteral("Redd"));
  EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Create"));
  const char* const pathCaptions[][2] = {{"lblIcon", "ICON"}, {"lblTop", "TOP"}, {"lblFront", "FRONT"}, {"lblDescription", "Description"}};
  for (const auto& [name, caption] : pathCaptions) EXPECT_EQ(text(name), QString::fromLatin1(caption));
  for (const char* label : {"Label1_0", "Label1_1", "Label1_2", "Label1_3"}) EXPECT_TRUE(text(label).isEmpty()) << label;

  EXPECT_EQ(control<QLabel>("Image1_0")->contentsRect().size(), QSize(83, 83));
  EXPECT_EQ(control<QLabel>("Image1_1")->contentsRect().size(), QSize(167, 193));
  EXPECT_EQ(control<QLabel>("Image1_2")->contentsRect().size(), QSize(167, 193));
  for (const char* preview : {"Image1_0", "Image1_1", "Image1_2"}) EXPECT_TRUE(shown(preview).isEmpty()) << preview;
}

TEST_F(FernwrightWindow, PathLabelsChooseTheirFilesAndShowThePictures) {
  chooseSamples();
  ASSERT_EQ(ui.dialogs.size(), 4u);
  EXPECT_EQ(ui.dialogs[0].filter, "(*.bmp)|*.bmp");
  EXPECT_EQ(ui.dialogs[3].filter, "Text file(*.txt)|*.txt");
  EXPECT_EQ(text("Label1_2"), ui::fromPath(folder.path() / "front.bmp"));
  EXPECT_EQ(text("Label1_3"), ui::fromPath(folder.path() / "description.txt"));
  EXPECT_EQ(shown("Image1_0"), QSize(83, 83));
  EXPECT_EQ(shown("Image1_1"), QSize(64, 64));    // small: its own size
  EXPECT_EQ(shown("Image1_2"), QSize(145, 193));  // 96 × 128 fitted to the box's height

  // Cancelling changes nothing; a file that cannot be shown keeps the preview as it was.
  click("Label1_1");
  EXPECT_EQ(text("Label1_1"), ui::fromPath(folder.path() / "top.bmp"));
  ui.openAnswers = {write("broken.bmp", base::asBytes("not a picture"))};
  click("Label1_1");
  EXPECT_EQ(text("Label1_1"), ui::fromPath(folder.path() / "broken.bmp"));
  EXPECT_EQ(shown("Image1_1"), QSize(64, 64));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FernwrightWindow, CreateTakesWhatTheWindowHolds) {
  chooseSamples();
  box("Text2")->setText(QStringLiteral("255"));
  box("Text1_2")->setText(QString::fromUtf8("金魚藻"));
  control<QCheckBox>("Check1")->setChecked(true);
  const fs::path output = folder.path() / "hornwort";
  ui.saveAnswers = {output};
  click("Command1");
  ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
  auto file = base::readFile(folder.path() / "hornwort.plt", 1 << 20);
  ASSERT_TRUE(file);
  const base::Bytes& f = *file;
  EXPECT_EQ(f[260 + 10] | f[260 + 11] << 8, 255);
  EXPECT_EQ(f[260 + 13], 1);
  EXPECT_EQ(f[278], 6);  // three double-byte characters
  EXPECT_EQ(f[279], 0x8B);  // 金 in code page 932 is 8B E0
  EXPECT_EQ(f[280], 0xE0);
  EXPECT_EQ(f.size(), 2256 + 8050 + samples::plantTop().size() + samples::plantFront().size() + 12);
  EXPECT_TRUE(text("lblStatus").startsWith(QStringLiteral("Wrote ")));

  // A refusal: its message box, no save dialog, the report cleared.
  box("Text2")->setText(QStringLiteral("abc"));
  click("Command1");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"ID is 128-32766"});
  EXPECT_EQ(ui.dialogs.size(), 5u);
  EXPECT_TRUE(text("lblStatus").isEmpty());
}

TEST_F(FernwrightWindow, TheCodePageMenuChoosesHowNamesAreCounted) {
  chooseSamples();
  box("Text1_0")->setText(QString(11, QChar(0x00E9)));  // é: one byte in 1252, none in 932
  ui.saveAnswers = {folder.path() / "a.plt", folder.path() / "a.plt"};
  click("Command1");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Latin is 1-32 letters");
  control<QAction>("mnuCodePage1252")->trigger();
  click("Command1");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(fs::exists(folder.path() / "a.plt"));
}

}  // namespace
