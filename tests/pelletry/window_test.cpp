// pelletry's window as the person meets it: its controls under their names with their
// presets, the kind pictures, the picture and add-frame buttons with their looks, dragging
// frames between slots and onto the trash, the preview, File / New, Save and About.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "pelletry/preview_window.hpp"
#include "pelletry/widgets.hpp"
#include "pelletry/window.hpp"
#include "support/window_support.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"
#include "ui/wrote.hpp"

namespace {

namespace fs = std::filesystem;

class PelletryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    picture = folder.path() / "picture.bmp";
    ASSERT_TRUE(base::writeFileAtomically(picture, samples::foodPicture()));
    for (std::size_t k = 0; k < samples::kFoodFrameCount; ++k) {
      frames.push_back(folder.path() / ("frame" + std::to_string(k) + ".bmp"));
      ASSERT_TRUE(base::writeFileAtomically(frames.back(), samples::foodFrame(k)));
    }
  }
  template <class T = QWidget>
  T* control(QWidget& window, const char* name) {
    return test::findControl<T>(window, name);
  }
  bool shows(QWidget& window, const char* name) { return control(window, name)->isVisibleTo(&window); }
  QImage pictureOf(QWidget& window, const char* name) { return control<QLabel>(window, name)->pixmap().toImage(); }
  std::vector<std::string> strip(pelletry::Window& window) { return window.flow().strip().paths(); }
  void fill(pelletry::Window& window, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k) window.addFrame(frames[k % frames.size()]);
  }
  // A frame from slot `from` dragged over `target` and, when told, dropped there.
  static void drag(int from, QWidget* target, bool drop) {
    QMimeData data;
    data.setData(QString::fromLatin1(pelletry::kFrameMime), QByteArray::number(from));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!drop) return;
    QDropEvent dropped(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  fs::path picture;
  std::vector<fs::path> frames;
};

TEST_F(PelletryWindow, StartsWithItsControlsAndPresets) {
  pelletry::Window window(ui);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Pelletry"));
  EXPECT_EQ(control<QLabel>(window, "Label1")->text(), QStringLiteral("Food Name"));
  EXPECT_EQ(control<QLabel>(window, "Label2")->text(), QStringLiteral("Memo"));
  auto* name = control<QLineEdit>(window, "Text1");
  EXPECT_EQ(name->maxLength(), 32);
  EXPECT_TRUE(name->text().isEmpty());
  auto* memo = control<QPlainTextEdit>(window, "Text2");
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  auto* id = control<QLineEdit>(window, "Text4");
  EXPECT_EQ(id->text(), QStringLiteral("0"));
  EXPECT_EQ(id->toolTip(), QStringLiteral("0 - 127"));
  EXPECT_EQ(id->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  auto* kind = control<QScrollBar>(window, "VScroll1");
  EXPECT_EQ(kind->minimum(), 0);
  EXPECT_EQ(kind->maximum(), 12);
  EXPECT_EQ(kind->value(), 0);

  for (int k = 0; k <= 12; ++k) EXPECT_FALSE(shows(window, QStringLiteral("Image13_%1").arg(k).toLatin1().constData())) << k;
  EXPECT_EQ(pictureOf(window, "Image1_1"), pictureOf(window, "Image13_0"));
  for (int i = 0; i < 27; ++i) {
    auto* slot = control<pelletry::FrameSlot>(window, QStringLiteral("Image2_%1").arg(i).toLatin1().constData());
    EXPECT_EQ(slot->isVisibleTo(&window), i < 25) << i;
    EXPECT_TRUE(slot->frame().isNull()) << i;
    EXPECT_FALSE(slot->draggable()) << i;
  }
  EXPECT_TRUE(shows(window, "Image4_0"));
  EXPECT_FALSE(shows(window, "Image4_1"));
  EXPECT_TRUE(shows(window, "Image6_0"));
  EXPECT_TRUE(shows(window, "Image10_0"));  // disabled
  EXPECT_FALSE(shows(window, "Image10_1"));
  EXPECT_FALSE(window.previewEnabled());
  EXPECT_TRUE(shows(window, "Image9_0"));
  EXPECT_FALSE(shows(window, "Image9_1"));
  EXPECT_TRUE(shows(window, "Image11"));

  const std::pair<const char*, const char*> entries[] = {
      {"mnuFile", "File"}, {"mnuFileNew", "New"}, {"mnuFileSave", "Save"}, {"mnuFileExit", "Exit"},
      {"mnuHelp", "Help"}, {"mnuHelpAbout", "About Pelletry"}};
  for (const auto& [entry, text] : entries) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(entry));
    ASSERT_NE(action, nullptr) << entry;
    EXPECT_EQ(action->text(), QString::fromLatin1(text));
  }
  // 6030 × 7880 twips, unless the controls need more.
  EXPECT_GE(window.width(), 402);
}

TEST_F(PelletryWindow, TheKindScrollBarShowsEachKindsPicture) {
  pelletry::Window window(ui);
  auto* kind = control<QScrollBar>(window, "VScroll1");
  QImage previous = pictureOf(window, "Image1_1");
  for (int k = 1; k <= 12; ++k) {
    kind->setValue(k);
    const QImage shown = pictureOf(window, "Image1_1");
    EXPECT_EQ(shown, pictureOf(window, QStringLiteral("Image13_%1").arg(k).toLatin1().constData())) << k;
    EXPECT_NE(shown, previous) << k;  // thirteen different pictures
    previous = shown;
  }
}

TEST_F(PelletryWindow, ButtonsShowTheirPressedLookAndActOnRelease) {
  pelletry::Window window(ui);
  window.show();
  auto* button = control(window, "Image4");
  QTest::mousePress(button, Qt::LeftButton);
  EXPECT_TRUE(shows(window, "Image4_1"));
  EXPECT_FALSE(shows(window, "Image4_0"));
  EXPECT_TRUE(ui.dialogs.empty());  // nothing happens before the button is let go
  ui.openAnswers.push_back(picture);
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_TRUE(shows(window, "Image4_0"));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "OPEN");
  EXPECT_EQ(ui.dialogs[0].filter, "(*.bmp)|*.bmp");
  EXPECT_EQ(window.flow().picturePath(), picture.string());
  EXPECT_FALSE(pictureOf(window, "Image1_0").isNull());

  // The add-frame button: a cancelled dialog adds nothing; a chosen frame enables the preview.
  QTest::mouseClick(control(window, "Image6"), Qt::LeftButton);
  EXPECT_TRUE(strip(window).empty());
  ui.openAnswers.push_back(frames[0]);
  QTest::mouseClick(control(window, "Image6"), Qt::LeftButton);
  EXPECT_EQ(strip(window), std::vector<std::string>{frames[0].string()});
  EXPECT_TRUE(control<pelletry::FrameSlot>(window, "Image2_0")->draggable());
  EXPECT_FALSE(control<pelletry::FrameSlot>(window, "Image2_0")->frame().isNull());
  EXPECT_TRUE(window.previewEnabled());
  EXPECT_TRUE(shows(window, "Image10_1"));
  EXPECT_FALSE(shows(window, "Image10_0"));
}

TEST_F(PelletryWindow, DraggingAFrameOntoAnotherSwapsThem) {
  pelletry::Window window(ui);
  window.show();
  fill(window, 5);
  const auto before = strip(window);
  auto slotImage = [&](int i) {
    return control<pelletry::FrameSlot>(window, QStringLiteral("Image2_%1").arg(i).toLatin1().constData())->frame().toImage();
  };
  const QImage zero = slotImage(0), three = slotImage(3);
  ASSERT_NE(zero, three);
  // Frame 3 of 5 onto slot 0 swaps them, pictures and all; onto slot 7 does nothing.
  drag(3, control(window, "Image2_0"), true);
  EXPECT_EQ(strip(window), (std::vector<std::string>{before[3], before[1], before[2], before[0], before[4]}));
  EXPECT_EQ(slotImage(0), three);
  EXPECT_EQ(slotImage(3), zero);
  drag(3, control(window, "Image2_7"), true);
  EXPECT_EQ(strip(window), (std::vector<std::string>{before[3], before[1], before[2], before[0], before[4]}));
  EXPECT_TRUE(slotImage(7).isNull());
  drag(0, control(window, "Image2_3"), true);
  EXPECT_EQ(strip(window), before);
}

TEST_F(PelletryWindow, TheTrashHighlightsAndDeletes) {
  pelletry::Window window(ui);
  window.show();
  fill(window, 3);
  const auto before = strip(window);
  auto* trash = control<pelletry::TrashCan>(window, "Image9");
  // Over the trash it lights up; over the strip's panel or the window it goes back.
  drag(1, trash, false);
  EXPECT_TRUE(trash->highlighted());
  EXPECT_TRUE(shows(window, "Image9_1"));
  drag(1, control(window, "Image11"), false);
  EXPECT_FALSE(trash->highlighted());
  drag(1, trash, false);
  drag(1, window.centralWidget(), false);
  EXPECT_FALSE(trash->highlighted());

  // Deleting frame 1 of 3 leaves frames 0 and 2; slot 2 is blank and cannot be dragged.
  drag(1, trash, true);
  EXPECT_FALSE(trash->highlighted());
  EXPECT_EQ(strip(window), (std::vector<std::string>{before[0], before[2]}));
  auto* slot2 = control<pelletry::FrameSlot>(window, "Image2_2");
  EXPECT_TRUE(slot2->frame().isNull());
  EXPECT_FALSE(slot2->draggable());
  EXPECT_TRUE(window.previewEnabled());
  // Deleting the rest disables the preview.
  drag(1, trash, true);
  drag(0, trash, true);
  EXPECT_TRUE(strip(window).empty());
  EXPECT_FALSE(window.previewEnabled());
  EXPECT_TRUE(shows(window, "Image10_0"));
}

TEST_F(PelletryWindow, BitmapsDroppedFromTheDesktop) {
  pelletry::Window window(ui);
  window.show();
  auto dropFiles = [](QWidget* target, const std::vector<fs::path>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& file : files) urls.append(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted()) << target->objectName().toStdString();
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
  };
  dropFiles(control(window, "Image1_0"), {picture});
  EXPECT_EQ(window.flow().picturePath(), picture.string());
  dropFiles(control(window, "Image2_3"), {frames[0], frames[1]});
  dropFiles(control(window, "Image11"), {frames[2]});
  EXPECT_EQ(strip(window), (std::vector<std::string>{frames[0].string(), frames[1].string(), frames[2].string()}));
  EXPECT_TRUE(window.previewEnabled());
  // No more than 25.
  dropFiles(window.centralWidget(), std::vector<fs::path>(30, frames[3]));
  EXPECT_EQ(window.flow().strip().count(), 25u);
}

TEST_F(PelletryWindow, TheTwentySixthFrameChangesNothing) {
  pelletry::Window window(ui);
  fill(window, 25);
  const auto before = strip(window);
  window.addFrame(frames[1]);
  EXPECT_EQ(strip(window), before);
  QTest::mouseClick(control(window, "Image6"), Qt::LeftButton);
  EXPECT_EQ(strip(window), before);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(ui.messages, std::vector<std::string>{pelletry::kStripFull});
}

TEST_F(PelletryWindow, ThePreviewPlaysEveryFrameAndClosesOnAClick) {
  pelletry::Window window(ui);
  window.show();
  fill(window, 3);
  auto preview = window.makePreview(&window);
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->timer()->interval(), 100);
  EXPECT_TRUE(preview->timer()->isActive());
  EXPECT_EQ(preview->picture()->size(), QSize(24, 24));  // frame 0's size
  std::vector<int> played = {preview->shownFrame()};
  for (int i = 0; i < 5; ++i) {
    preview->tick();
    played.push_back(preview->shownFrame());
  }
  EXPECT_EQ(played, (std::vector<int>{0, 0, 1, 2, 0, 1}));
  // The placement: 50 twips right, 600 down, 100 narrower, 650 shorter, the frame centred.
  const QRect main = window.frameGeometry();
  EXPECT_EQ(preview->geometry().topLeft(), main.topLeft() + QPoint(3, 40));
  EXPECT_EQ(preview->width(), main.width() - 7);
  EXPECT_EQ(preview->picture()->x(), (preview->width() - 24) / 2);

  // The button opens it modally; a click on its picture closes it and the button is enabled again.
  bool sawPreview = false;
  test::onNextModal([&](QWidget* modal) {
    sawPreview = qobject_cast<pelletry::PreviewWindow*>(modal) != nullptr;
    auto* shown = modal->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(shown, nullptr);
    QTest::mouseClick(shown, Qt::LeftButton);
  });
  QTest::mouseClick(control(window, "Image10"), Qt::LeftButton);
  EXPECT_TRUE(sawPreview);
  EXPECT_TRUE(shows(window, "Image10_1"));

  // An empty strip has no preview.
  window.newFood();
  EXPECT_EQ(window.makePreview(&window), nullptr);
}

TEST_F(PelletryWindow, NewEmptiesTheStripAndKeepsTheBoxes) {
  pelletry::Window window(ui);
  window.flow().boxes = {"Flakes", "memo", "7", 4};
  window.showBoxes();
  window.setPicture(picture);
  fill(window, 4);
  window.findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
  EXPECT_TRUE(strip(window).empty());
  for (int i = 0; i < 25; ++i) {
    auto* slot = control<pelletry::FrameSlot>(window, QStringLiteral("Image2_%1").arg(i).toLatin1().constData());
    EXPECT_TRUE(slot->frame().isNull());
    EXPECT_FALSE(slot->draggable());
  }
  EXPECT_FALSE(window.previewEnabled());
  EXPECT_EQ(window.flow().picturePath(), "");
  EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("Flakes"));
  EXPECT_EQ(control<QPlainTextEdit>(window, "Text2")->toPlainText(), QStringLiteral("memo"));
  EXPECT_EQ(control<QLineEdit>(window, "Text4")->text(), QStringLiteral("7"));
  EXPECT_EQ(control<QScrollBar>(window, "VScroll1")->value(), 4);
  EXPECT_EQ(pictureOf(window, "Image1_1"), pictureOf(window, "Image13_4"));
}

TEST_F(PelletryWindow, SaveReadsTheBoxes) {
  pelletry::Window window(ui);
  auto* save = window.findChild<QAction*>(QStringLiteral("mnuFileSave"));
  save->trigger();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"You must enter an food name."});

  control<QLineEdit>(window, "Text1")->setText(QStringLiteral("Flakes"));
  control<QPlainTextEdit>(window, "Text2")->setPlainText(QStringLiteral("one\ntwo"));
  control<QLineEdit>(window, "Text4")->setText(QStringLiteral("128"));
  control<QScrollBar>(window, "VScroll1")->setValue(9);
  window.setPicture(picture);
  fill(window, 2);
  save->trigger();
  EXPECT_EQ(ui.messages.back(), "ID is 0 - 127");

  control<QLineEdit>(window, "Text4")->setText(QStringLiteral("3"));
  ui.saveAnswers.push_back(folder.path() / "food");
  save->trigger();
  auto file = base::readFile(folder.path() / "food.fd", 1 << 20);
  ASSERT_TRUE(file);
  EXPECT_EQ(std::string(file->begin() + 302 + 34, file->begin() + 302 + 42), std::string("one\r\ntwo"));
  EXPECT_EQ((*file)[260], 10);  // kind 9's byte 0
  EXPECT_EQ(base::getU16(&(*file)[302 + 546]), 10300);
  EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("food.fd")));
}

// The strip's changes are undone one action at a time, and frames not yet written are never
// dropped without asking.
TEST_F(PelletryWindow, UndoBringsFramesBackAndUnwrittenFramesAreAskedFor) {
  pelletry::Window window(ui);
  window.show();
  window.close();
  EXPECT_TRUE(ui.questions.empty());  // an empty strip has nothing to lose
  window.show();
  auto* undo = window.findChild<QAction*>(QStringLiteral("mnuEditUndo"));
  auto* redo = window.findChild<QAction*>(QStringLiteral("mnuEditRedo"));
  ASSERT_TRUE(undo && redo);
  const std::string f0 = frames[0].string(), f1 = frames[1].string(), f2 = frames[2].string();
  window.setPicture(picture);
  fill(window, 3);
  window.dropFrame(0, 2);
  window.trashFrame(1);
  EXPECT_EQ(strip(window), (std::vector<std::string>{f2, f0}));
  undo->trigger();
  EXPECT_EQ(strip(window), (std::vector<std::string>{f2, f1, f0}));
  undo->trigger();
  EXPECT_EQ(strip(window), (std::vector<std::string>{f0, f1, f2}));

  ui.questionAnswers = {ui::Answer::Cancel, ui::Answer::No, ui::Answer::Cancel};
  window.newFood();
  EXPECT_EQ(strip(window).size(), 3u);
  window.newFood();
  EXPECT_TRUE(strip(window).empty());
  undo->trigger();
  EXPECT_EQ(strip(window), (std::vector<std::string>{f0, f1, f2}));
  EXPECT_EQ(window.flow().picturePath(), picture.string());
  EXPECT_TRUE(window.previewEnabled());
  window.close();
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(ui.questions.size(), 3u);
  EXPECT_EQ(ui.questions[2], "The frame strip holds frames not yet written to a food file. Save the food before closing?");

  // Yes saves first and says where.
  control<QLineEdit>(window, "Text1")->setText(QStringLiteral("Flakes"));
  ui.questionAnswers = {ui::Answer::Yes};
  ui.saveAnswers = {folder.path() / "food"};
  window.close();
  EXPECT_FALSE(window.isVisible());
  const auto written = fs::file_size(folder.path() / "food.fd");
  EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
            ui::wroteInText("food.fd", base::displayPath(folder.path()),
                            base::strcat("picture and 3 frames, ", base::withThousands(written), " bytes")));
  window.show();
  window.close();
  EXPECT_EQ(ui.questions.size(), 4u);
  redo->trigger();  // New again: the written frames are in the file
  EXPECT_TRUE(strip(window).empty());

  // The memo takes the height the window gains.
  window.show();
  auto* memo = control<QPlainTextEdit>(window, "Text2");
  const int memoHeight = memo->height();
  window.resize(window.width() + 100, window.height() + 200);
  QApplication::processEvents();
  EXPECT_GT(memo->height(), memoHeight + 150);
}

TEST_F(PelletryWindow, TheMemoHoldsAtMost512Characters) {
  pelletry::Window window(ui);
  auto* memo = control<QPlainTextEdit>(window, "Text2");
  memo->setFocus();
  memo->setPlainText(QString(510, QLatin1Char('m')));
  memo->moveCursor(QTextCursor::End);
  QTest::keyClicks(memo, QStringLiteral("abc"));
  EXPECT_EQ(memo->toPlainText().size(), 512);
  QTest::keyClick(memo, Qt::Key_Backspace);
  QTest::keyClick(memo, Qt::Key_Return);  // a line break takes two
  EXPECT_EQ(memo->toPlainText().size(), 511);
}

TEST_F(PelletryWindow, AboutOpensBesideTheWindowAndClosesOnAClick) {
  pelletry::Window window(ui);
  window.show();
  QPoint at;
  test::onNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal->objectName(), QStringLiteral("frmAbout"));
    at = modal->pos();
    QTest::mouseClick(modal, Qt::LeftButton);
  });
  window.findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
  EXPECT_EQ(at, window.frameGeometry().topLeft() + QPoint(40, 40));
}

}  // namespace
