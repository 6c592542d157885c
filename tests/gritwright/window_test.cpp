// gritwright's window as the person meets it: captions and presets, the path labels that
// choose bitmaps on a click and show them in the preview windows sized to the picture, and
// Make with the dialogs answered by a script.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "gritwright/window.hpp"
#include "support/window_support.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

class GritwrightWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = folder.path() / "surface.bmp";
    aspect = folder.path() / "aspect.bmp";
    ASSERT_TRUE(base::writeFileAtomically(surface, samples::gravelSurface()));
    ASSERT_TRUE(base::writeFileAtomically(aspect, samples::gravelAspect()));
  }
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(window, name);
  }
  QLabel* picture(const char* form) { return test::findControl<QLabel>(*control<QWidget>(form), "Picture1"); }
  void click(const char* name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }
  void choose(const char* label, const fs::path& file) {
    ui.openAnswers.push_back(file);
    click(label);
  }

  test::TempFolder folder;
  fs::path surface, aspect;
  ui::ScriptedUi ui;
  gritwright::Window window{ui, folder.path()};
};

TEST_F(GritwrightWindow, CaptionsAndPresets) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("TQ Grit Wright      Ver 0.3.0"));
  const char* captions[] = {"Surface", "Aspect", "Height", "Length", "FileName", "pixcel", "pixcel"};
  for (int i = 0; i < 7; ++i) {
    const std::string name = "Label1_" + std::to_string(i);
    EXPECT_EQ(control<QLabel>(name.c_str())->text(), QString::fromLatin1(captions[i])) << name;
  }
  EXPECT_TRUE(control<QLabel>("Label2_0")->text().isEmpty());
  EXPECT_TRUE(control<QLabel>("Label2_1")->text().isEmpty());
  EXPECT_EQ(control<QLineEdit>("Text2")->text(), QStringLiteral("57"));
  EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("90"));
  EXPECT_EQ(ui::toPath(control<QLineEdit>("Text1")->text()), folder.path() / "temp.grv");
  EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Make"));
  EXPECT_EQ(control<QWidget>("Form2")->windowTitle(), QStringLiteral("Surface"));
  EXPECT_EQ(control<QWidget>("Form3")->windowTitle(), QStringLiteral("Aspect"));
  EXPECT_FALSE(control<QWidget>("Form2")->isVisible());
  EXPECT_FALSE(control<QWidget>("Form3")->isVisible());
}

TEST_F(GritwrightWindow, AClickedPathLabelChoosesItsBitmapAndItsPreviewTakesThePicturesSize) {
  window.show();
  choose("Label2_0", surface);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");
  EXPECT_EQ(ui.dialogs[0].filter, "(*.bmp)|*.bmp");
  EXPECT_EQ(ui::toPath(control<QLabel>("Label2_0")->text()), surface);
  QWidget* form2 = control<QWidget>("Form2");
  EXPECT_TRUE(form2->isVisible());
  EXPECT_FALSE(control<QWidget>("Form3")->isVisible());
  EXPECT_EQ(picture("Form2")->pixmap().size(), QSize(160, 90));
  EXPECT_EQ(form2->size(), QSize(160, 90));

  choose("Label2_1", aspect);
  EXPECT_EQ(ui::toPath(control<QLabel>("Label2_1")->text()), aspect);
  EXPECT_EQ(control<QWidget>("Form3")->size(), QSize(160, 57));

  // Another picture on the same side: the window follows its size.
  const fs::path tall = folder.path() / "tall.bmp";
  ASSERT_TRUE(base::writeFileAtomically(tall, samples::plantFront()));
  choose("Label2_0", tall);
  EXPECT_EQ(form2->size(), QSize(96, 128));
  EXPECT_EQ(window.flow().bitmapPath(gritwright::Side::Surface), tall.string());

  // Cancelling changes nothing.
  click("Label2_0");
  EXPECT_EQ(ui::toPath(control<QLabel>("Label2_0")->text()), tall);

  window.close();
  EXPECT_FALSE(form2->isVisible());
  EXPECT_FALSE(control<QWidget>("Form3")->isVisible());
}

TEST_F(GritwrightWindow, SpaceOnAFocusedPathLabelChoosesToo) {
  ui.openAnswers.push_back(aspect);
  QTest::keyClick(control<QWidget>("Label2_1"), Qt::Key_Space);
  EXPECT_EQ(ui::toPath(control<QLabel>("Label2_1")->text()), aspect);
  EXPECT_TRUE(control<QWidget>("Form3")->isVisible());
}

TEST_F(GritwrightWindow, AFileThatIsNoPictureIsStillChosen) {
  const fs::path text = folder.path() / "notes.bmp";
  ASSERT_TRUE(base::writeFileAtomically(text, base::asBytes("not a bitmap at all")));
  choose("Label2_1", text);
  EXPECT_EQ(ui::toPath(control<QLabel>("Label2_1")->text()), text);
  EXPECT_TRUE(picture("Form3")->pixmap().isNull());
  EXPECT_TRUE(control<QWidget>("Form3")->isVisible());
}

TEST_F(GritwrightWindow, MakeUsesTheBoxesAsTyped) {
  click("Command1");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Designate Surface file"});
  choose("Label2_0", surface);
  click("Command1");
  EXPECT_EQ(ui.messages.back(), "Designate Aspect file");
  choose("Label2_1", aspect);

  const fs::path output = folder.path() / "made.grv";
  control<QLineEdit>("Text1")->setText(ui::fromPath(output));
  control<QLineEdit>("Text2")->setText(QStringLiteral("57.5"));
  control<QLineEdit>("Text3")->setText(QStringLiteral("abc"));
  EXPECT_EQ(control<QLineEdit>("Text3")->toolTip(), QStringLiteral("Read as 0: the box does not start with a number."));
  // A Height past the aspect bitmap's is noted beside the box and written all the same.
  control<QLineEdit>("Text2")->setText(QStringLiteral("1"));
  EXPECT_FALSE(control<QLabel>("lblHeightNote")->isVisibleTo(&window));
  control<QLineEdit>("Text2")->setText(QStringLiteral("60000"));
  EXPECT_TRUE(control<QLabel>("lblHeightNote")->isVisibleTo(&window));
  control<QLineEdit>("Text2")->setText(QStringLiteral("57.5"));
  click("Command1");
  EXPECT_EQ(ui.messages.size(), 2u);
  auto file = base::readFile(output, 1 << 20);
  ASSERT_TRUE(file);
  EXPECT_EQ(base::getU16(&(*file)[260]), 58);
  EXPECT_EQ(base::getU16(&(*file)[262]), 0);
  EXPECT_TRUE(control<QLabel>("lblStatus")->text().contains(QStringLiteral("made.grv")));

  click("Command1");  // now it exists: the question, answered No
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], output.string() + "  already exists.\nDo you want to replace it?");
}

}  // namespace
