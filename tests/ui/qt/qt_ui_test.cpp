// The windows' Ui: filters handed to Qt's file dialog, the dialogs' titles and answers, the
// questions' buttons and the busy pointer.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <fstream>

#include "support/window_support.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"
#include "ui/qt/worker.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

TEST(QtFileFilter, TurnsDescriptionPatternPairsIntoQtFilters) {
  // The tools' filters already show their pattern; it must not be doubled.
  EXPECT_EQ(ui::qtFileFilter("Brinmoor Fish file(*.fsh)|*.fsh"), QStringLiteral("Brinmoor Fish file(*.fsh)"));
  EXPECT_EQ(ui::qtFileFilter("Fish Icon file (*.bmp)|*.bmp"), QStringLiteral("Fish Icon file (*.bmp)"));
  // A description without its pattern gets it, or Qt would offer no pattern at all.
  EXPECT_EQ(ui::qtFileFilter("Tank (*.tqn)|*.tqn|All files|*.*"), QStringLiteral("Tank (*.tqn);;All files (*.*)"));
  // Several patterns: ';' between them there, ' ' here.
  EXPECT_EQ(ui::qtFileFilter("Pictures (*.bmp;*.dib)|*.bmp;*.dib"), QStringLiteral("Pictures (*.bmp *.dib)"));
  EXPECT_EQ(ui::qtFileFilter("Pictures|*.bmp;*.dib"), QStringLiteral("Pictures (*.bmp *.dib)"));
  EXPECT_EQ(ui::qtFileFilter(""), QString());
}

class QtUiTest : public ::testing::Test {
 protected:
  QWidget parent;
  ui::QtUi qtUi{&parent};
};

TEST_F(QtUiTest, OpenFileShowsTheTitleAndFilterAndHandsBackTheChosenFileOrNothing) {
  test::TempFolder folder;
  std::ofstream(folder.path() / "sample.fsh") << "x";
  const ui::FileDialogSpec spec{"OPEN", "Brinmoor Fish file(*.fsh)|*.fsh", folder.path(), {}};

  QString title;
  QStringList filters;
  test::onNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    dialog->reject();
  });
  EXPECT_EQ(qtUi.openFile(spec), std::nullopt);
  EXPECT_EQ(title, QStringLiteral("OPEN"));
  EXPECT_EQ(filters, QStringList{"Brinmoor Fish file(*.fsh)"});

  test::onNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // The dialog leaves its file name box alone while that box has the focus.
    if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
    dialog->selectFile(QStringLiteral("sample.fsh"));
    static_cast<QDialog*>(dialog)->accept();  // as pressing Open does
  });
  EXPECT_EQ(qtUi.openFile(spec), folder.path() / "sample.fsh");
}

TEST_F(QtUiTest, SaveFileAddsTheFiltersExtensionToANameWithoutOne) {
  test::TempFolder folder;
  const ui::FileDialogSpec spec{"MAKE FISH", "Brinmoor Fish file(*.fsh)|*.fsh", folder.path(), {}};
  for (const auto& [typed, expected] : {std::pair{"goldie", "goldie.fsh"}, std::pair{"goldie.v2", "goldie.v2"}}) {
    test::onNextModal([typed](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
      dialog->selectFile(QString::fromLatin1(typed));
      static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qtUi.saveFile(spec), folder.path() / expected);
  }
  // Filters that name no one extension leave the name alone.
  EXPECT_EQ(ui::withFilterExtension("/t/a", "All files (*.*)"), QStringLiteral("/t/a"));
  EXPECT_EQ(ui::withFilterExtension("/t/a", "Pictures (*.bmp *.dib)"), QStringLiteral("/t/a.bmp"));
  EXPECT_EQ(ui::withFilterExtension("/t.d/a", "*"), QStringLiteral("/t.d/a"));
}

TEST_F(QtUiTest, QuestionsAnswerByTheirButtonsAndEscapeMeansNoOrCancel) {
  struct Case {
    ui::Buttons buttons;
    std::optional<QMessageBox::StandardButton> press;  // nothing: Escape
    ui::Answer expected;
  };
  for (const Case& c : {Case{ui::Buttons::YesNo, QMessageBox::Yes, ui::Answer::Yes},
                        Case{ui::Buttons::YesNo, QMessageBox::No, ui::Answer::No},
                        Case{ui::Buttons::YesNo, std::nullopt, ui::Answer::No},
                        Case{ui::Buttons::YesNoCancel, QMessageBox::Cancel, ui::Answer::Cancel},
                        Case{ui::Buttons::YesNoCancel, std::nullopt, ui::Answer::Cancel}}) {
    QString text;
    int buttonCount = 0;
    test::onNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      text = box->text();
      buttonCount = static_cast<int>(box->buttons().size());
      if (c.press)
        box->button(*c.press)->click();
      else
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(qtUi.ask("Replace it?", c.buttons), c.expected);
    EXPECT_EQ(text, QStringLiteral("Replace it?"));
    EXPECT_EQ(buttonCount, c.buttons == ui::Buttons::YesNo ? 2 : 3);
  }
}

TEST_F(QtUiTest, TheBusyPointerIsSetOnceAndRestoredByTheOutermostEnd) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  qtUi.setBusy(true);
  qtUi.setBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  qtUi.setBusy(false);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  qtUi.setBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // An end without a start must not take away a pointer set by someone else.
  QApplication::setOverrideCursor(Qt::CrossCursor);
  qtUi.setBusy(false);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  QApplication::restoreOverrideCursor();
}

// The worker's Ui: messages and questions reach the window's Ui on the GUI thread and the
// answers come back; progress goes to the window's display; Stop ends work that listens.
TEST(Worker, BridgesTheFlowsUiToTheGuiThreadAndStops) {
  ui::ScriptedUi gui;
  gui.questionAnswers = {ui::Answer::Yes};
  ui::Worker worker(gui);
  std::vector<std::uint64_t> shown;
  worker.showProgress = [&](std::uint64_t done, std::uint64_t total) { shown.insert(shown.end(), {done, total}); };
  ui::Answer answer = ui::Answer::No;
  bool done = false;
  ASSERT_TRUE(worker.start(
      [&] {
        ui::Ui& flow = worker.ui();
        flow.message("hello");
        answer = flow.ask("sure?", ui::Buttons::YesNo);
        flow.progress(1, 2);
        while (!flow.stopRequested()) QThread::msleep(1);
      },
      [&] { done = true; }));
  EXPECT_FALSE(worker.start([] {}));  // one at a time
  worker.stop();
  ASSERT_TRUE(worker.waitUntilIdle());
  EXPECT_TRUE(done);
  EXPECT_EQ(gui.messages, std::vector<std::string>{"hello"});
  EXPECT_EQ(answer, ui::Answer::Yes);
  EXPECT_EQ(shown, (std::vector<std::uint64_t>{1, 2}));

  // Without a display of its own, the window's Ui shows the progress, and its Stop (here
  // pressed at once) reaches the work once the work listens.
  gui.stopPressed = true;
  worker.showProgress = nullptr;
  ASSERT_TRUE(worker.start([&] {
    ui::Ui& flow = worker.ui();
    EXPECT_FALSE(flow.stopRequested());
    flow.progress(1, 2);
    while (!flow.stopRequested()) QThread::msleep(1);
  }));
  EXPECT_TRUE(worker.waitUntilIdle());
}

// Work on a worker thread gets the window's progress window after a moment; its Stop reaches
// the work, and the window and the busy pointer go when the work ends.
TEST_F(QtUiTest, TheProgressWindowsStopReachesWorkOnAWorkerThread) {
  parent.show();
  ui::Worker worker(qtUi);
  bool stopped = false;
  ASSERT_TRUE(worker.start([&] {
    ui::Ui& flow = worker.ui();
    ui::BusyPointer busy(flow);
    for (int i = 0; i < 5000 && !flow.stopRequested(); ++i) {
      flow.progress(i, 5000);
      QThread::msleep(2);
    }
    stopped = flow.stopRequested();
  }));
  QProgressDialog* progress = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    progress = parent.findChild<QProgressDialog*>();
    return progress && progress->isVisible();
  }, 5000));
  auto* stop = progress->findChild<QPushButton*>();
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->text(), QStringLiteral("Stop"));
  stop->click();
  ASSERT_TRUE(worker.waitUntilIdle());
  EXPECT_TRUE(stopped);
  QTest::qWait(20);
  EXPECT_EQ(parent.findChild<QProgressDialog*>(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A dialog shown in the main window's place keeps the main window it works on, and takes it
// along when it goes, even when the program ends without its event loop (--describe).
TEST(ShowOnItsOwn, TheMainWindowLivesAsLongAsTheDialog) {
  auto main = std::make_unique<QWidget>();
  QPointer<QWidget> kept = main.get();
  auto shown = ui::showOnItsOwn(std::move(main), std::make_unique<QWidget>());
  EXPECT_TRUE(shown->isWindow());
  EXPECT_FALSE(shown->isAncestorOf(kept));  // --describe lists only the dialog's controls
  EXPECT_TRUE(kept);
  shown.reset();
  EXPECT_FALSE(kept);
}

}  // namespace
