// gritpress's window as the person meets it: frmGrv's controls under their names with their
// captions and presets, choosing bitmaps with their results, sizes and previews, Output,
// the overwrite choice's buttons, About and exit.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "base/file_io.hpp"
#include "gritpress/window.hpp"
#include "support/window_support.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using gritpress::Side;

class GritpressWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = folder.path() / "surface.bmp";
    aspect = folder.path() / "aspect.bmp";
    ASSERT_TRUE(base::writeFileAtomically(surface, samples::gravelSurface()));
    ASSERT_TRUE(base::writeFileAtomically(aspect, samples::gravelAspect()));
  }
  template <class T>
  T* control(gritpress::Window& window, const char* name) {
    return test::findControl<T>(window, name);
  }
  QString text(gritpress::Window& window, const char* name) { return control<QLabel>(window, name)->text(); }
  void click(gritpress::Window& window, const char* name) {
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  fs::path surface, aspect;
};

TEST_F(GritpressWindow, HasItsControlsWithTheirCaptionsAndPresets) {
  gritpress::Window window(ui);
  EXPECT_EQ(window.objectName(), QStringLiteral("frmGrv"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("TQ GritPress"));
  EXPECT_EQ(control<QLineEdit>(window, "txt_Height")->text(), QStringLiteral("57"));
  EXPECT_EQ(control<QLineEdit>(window, "txt_Depth")->text(), QStringLiteral("50"));
  EXPECT_EQ(control<QLineEdit>(window, "txt_OFile")->text(), QStringLiteral("temp.grv"));
  for (const char* name : {"cmd_IFile_0", "cmd_IFile_1", "cmd_OFile_0"})
    EXPECT_EQ(control<QPushButton>(window, name)->text(), QStringLiteral("参照")) << name;
  EXPECT_EQ(control<QPushButton>(window, "cmd_OFile_1")->text(), QStringLiteral("出力"));
  EXPECT_EQ(control<QPushButton>(window, "cmd_ABOUT")->text(), QStringLiteral("About"));
  EXPECT_NE(control<QPushButton>(window, "cmd_END"), nullptr);
  for (const char* name : {"lbl_IFile_0", "lbl_IFile_1"}) EXPECT_TRUE(text(window, name).isEmpty()) << name;
  for (const char* name : {"ttl_IFile_0", "ttl_IFile_1"}) EXPECT_TRUE(text(window, name).endsWith("pixels")) << name;
  for (const char* name : {"frmBMP1", "frmBMP2"}) {
    auto* preview = control<QWidget>(window, name);
    ASSERT_NE(preview, nullptr);
    EXPECT_NE(preview->findChild<QLabel*>(QStringLiteral("img_BMP")), nullptr);
  }
}

TEST_F(GritpressWindow, ChosenBitmapsShowTheirResultSizeAndPreview) {
  gritpress::Window window(ui);
  window.show();
  ui.openAnswers = {surface, aspect};
  click(window, "cmd_IFile_0");
  click(window, "cmd_IFile_1");
  EXPECT_EQ(control<QLineEdit>(window, "txt_IFile_0")->text(), QString::fromStdString(surface.string()));
  EXPECT_EQ(text(window, "lbl_IFile_0"), QStringLiteral("OK"));
  EXPECT_EQ(text(window, "ttl_IFile_0"), QStringLiteral("W/H=160/90 pixels=5.6/3.2cm Size=15478bytes"));
  EXPECT_EQ(text(window, "lbl_IFile_1"), QStringLiteral("OK"));
  QWidget* top = window.preview(Side::Top);
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->size(), QSize(160, 90));
  EXPECT_EQ(window.preview(Side::Side)->size(), QSize(160, 57));
  EXPECT_TRUE(ui.messages.empty());

  // A 24-bit side is NG: its message, no size, no preview.
  base::Bytes wide = samples::gravelAspect();
  wide[28] = 24;
  ASSERT_TRUE(base::writeFileAtomically(aspect, wide));
  window.chooseInput(Side::Side, aspect);
  EXPECT_EQ(text(window, "lbl_IFile_1"), QStringLiteral("NG"));
  EXPECT_EQ(text(window, "ttl_IFile_1"), QStringLiteral("W/H=0/0 pixels"));
  EXPECT_FALSE(window.preview(Side::Side)->isVisible());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"not 256 color"});

  // cmd_END closes the window and its previews.
  click(window, "cmd_END");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(top->isVisible());
}

TEST_F(GritpressWindow, OutputWritesWhatTheBoxesSay) {
  gritpress::Window window(ui);
  window.chooseInput(Side::Top, surface);
  window.chooseInput(Side::Side, aspect);
  const fs::path out = folder.path() / "gravel.grv";
  control<QLineEdit>(window, "txt_Height")->setText(QStringLiteral("abc"));
  control<QLineEdit>(window, "txt_OFile")->setText(QString::fromStdString(out.string()));
  click(window, "cmd_OFile_1");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"高さが数字じゃないよ"});
  control<QLineEdit>(window, "txt_Height")->setText(QStringLiteral("12"));
  click(window, "cmd_OFile_1");
  EXPECT_EQ(ui.messages.back(), "完了");
  EXPECT_EQ(control<QLabel>(window, "lblStatus")->text(),
            QStringLiteral("Wrote gravel.grv in %1: 26,061 bytes").arg(ui::fromPath(folder.path())));
  auto file = base::readFile(out, 1 << 20);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 276u + 15478u + 10198u + 109u);
  EXPECT_EQ(base::getU16(&(*file)[260]), 12u);
  EXPECT_EQ(base::getU16(&(*file)[262]), 50u);

  // 新規 puts the newly chosen name into the output box.
  const fs::path fresh = folder.path() / "fresh.grv";
  ui.questionAnswers = {ui::Answer::No};
  ui.saveAnswers = {fresh};
  click(window, "cmd_OFile_1");
  EXPECT_EQ(control<QLineEdit>(window, "txt_OFile")->text(), QString::fromStdString(fresh.string()));
  EXPECT_TRUE(fs::exists(fresh));
}

// Height and depth refuse a keystroke that is no number from 0 to 65535; a height of 0 is noted.
TEST_F(GritpressWindow, TheNumberBoxesRefuseLettersAndNoteAHeightOfZero) {
  gritpress::Window window(ui);
  window.show();
  auto* height = control<QLineEdit>(window, "txt_Height");
  height->clear();
  QTest::keyClicks(height, QStringLiteral("x-70000"));
  EXPECT_EQ(height->text(), QStringLiteral("7000"));
  EXPECT_FALSE(control<QLabel>(window, "lbl_HeightNote")->isVisible());
  height->setText(QStringLiteral("0"));
  EXPECT_TRUE(control<QLabel>(window, "lbl_HeightNote")->isVisible());
  EXPECT_EQ(text(window, "lbl_HeightUnit"), QStringLiteral("pixels"));
}

TEST_F(GritpressWindow, TheOverwriteChoiceOffersOverwriteAndNew) {
  gritpress::Window window;  // its own message boxes
  window.chooseInput(Side::Top, surface);
  window.chooseInput(Side::Side, aspect);
  const fs::path out = folder.path() / "gravel.grv";
  ASSERT_TRUE(base::writeFileAtomically(out, base::Bytes{1, 2, 3}));
  control<QLineEdit>(window, "txt_OFile")->setText(QString::fromStdString(out.string()));
  QStringList buttons;
  QString title;
  test::onNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  window.output();
  QTest::qWait(50);  // lets the modal watcher see the box gone and finish
  EXPECT_EQ(title, QStringLiteral("TQ GritPress"));
  EXPECT_TRUE(buttons.contains(QStringLiteral("上書")));
  EXPECT_TRUE(buttons.contains(QStringLiteral("新規")));
  EXPECT_EQ(*base::readFile(out, 100), (base::Bytes{1, 2, 3}));
}

TEST_F(GritpressWindow, AboutShowsTheAboutWindow) {
  gritpress::Window window(ui);
  QString name, title;
  test::onNextModal([&](QWidget* modal) {
    name = modal->objectName();
    title = modal->windowTitle();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  click(window, "cmd_ABOUT");
  QTest::qWait(50);  // lets the modal watcher see the window gone and finish
  EXPECT_EQ(name, QStringLiteral("frmAbout"));
  EXPECT_EQ(title, QStringLiteral("About"));
}

}  // namespace

// A bitmap chosen once is in File › Recent under its side; choosing it there takes it again
// for that side, checked as a chosen one is.
TEST_F(GritpressWindow, ARecentBitmapIsChosenAgainForItsSide) {
  ui::RecentFiles().clear();
  {
    gritpress::Window window(ui);
    ui.openAnswers = {surface};
    click(window, "cmd_IFile_0");
    window.chooseInput(Side::Side, aspect);
  }
  gritpress::Window window(ui);
  auto* recent = control<QMenu>(window, "mnuRecent");
  ASSERT_NE(recent, nullptr);
  emit recent->aboutToShow();
  const QList<QAction*> entries = recent->actions();
  ASSERT_GE(entries.size(), 2);
  EXPECT_EQ(entries[0]->text(), QStringLiteral("&1 側面: ") + QString::fromStdString(aspect.string()));
  EXPECT_EQ(entries[1]->text(), QStringLiteral("&2 上面: ") + QString::fromStdString(surface.string()));
  entries[1]->trigger();
  EXPECT_EQ(control<QLineEdit>(window, "txt_IFile_0")->text(), QString::fromStdString(surface.string()));
  EXPECT_EQ(text(window, "lbl_IFile_0"), QStringLiteral("OK"));
  EXPECT_TRUE(control<QLineEdit>(window, "txt_IFile_1")->text().isEmpty());
}
