// netkeeper2's windows as the person meets them: the main window's lists and buttons, the
// fish-information dialog, the grid with its Sex clicks and resizing, and the single-copy guard.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "base/file_io.hpp"
#include "netkeeper2/window.hpp"
#include "support/window_support.hpp"
#include "samples/wtk.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/overwrite.hpp"
#include "ui/qt/single_instance.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using netkeeper2::FishInfoDialog;
using netkeeper2::GridWindow;

class Netkeeper2Window : public ::testing::Test {
 protected:
  void SetUp() override {
    auto tank = samples::sampleWtk();
    ASSERT_TRUE(tank);
    original = *tank;
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "lake.wtk", original));
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "OCEAN.WTK", original));
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "pond.tqn", original));
  }
  base::Bytes read(const char* name) { return *base::readFile(folder.path() / name, 1 << 20); }
  std::size_t base0() { return 530 + samples::kWtkBaseDistance; }  // the first record's base

  test::TempFolder folder;
  base::Bytes original;
};

TEST_F(Netkeeper2Window, ListsExtendedEditionTanksInAnyCase) {
  netkeeper2::Window window(folder.path());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("NetKeeperII"));
  EXPECT_EQ(test::findControl<QLabel>(window, "lblVersion")->text(), QStringLiteral("NetKeeperII    Version 1.0.0"));
  EXPECT_EQ(window.browser().listedFiles(), (QStringList{"lake.wtk", "OCEAN.WTK"}));
  EXPECT_EQ(test::findControl<QPushButton>(window, "cmdStart")->text(), QStringLiteral("Start"));
  EXPECT_EQ(test::findControl<QPushButton>(window, "cmdDetail")->text(), QStringLiteral("detail"));
  ASSERT_TRUE(window.selectFile(QStringLiteral("lake.wtk")));
  EXPECT_EQ(test::findControl<QLabel>(window, "Panel1")->text(), QString::number(original.size()));
}

TEST_F(Netkeeper2Window, StartAndDetailWithoutAFileSayFileDiffers) {
  ui::ScriptedUi scripted;
  netkeeper2::Window window(scripted, folder.path());
  window.start();
  window.detail();
  EXPECT_EQ(scripted.messages, (std::vector<std::string>{"File differs", "File differs"}));
  EXPECT_EQ(scripted.messageStyles[0].title, "NetKeeperII");
}

// Replacing a file, the opened one included, waits for a Yes; after a No the dialog comes back
// as it was left, to take another name.
TEST_F(Netkeeper2Window, FishInformationAsksBeforeReplacingAndWritesTheTickedBoxesIntoEveryFish) {
  ui::ScriptedUi scripted;
  scripted.questionAnswers = {ui::Answer::No};
  netkeeper2::Window window(scripted, folder.path());
  ASSERT_TRUE(window.selectFile(QStringLiteral("lake.wtk")));
  QString caption, name, scope, nameAfterNo;
  bool hiddenAtLoad = false;
  test::onNextModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    auto* dialog = static_cast<FishInfoDialog*>(modal);
    scope = test::findControl<QLabel>(*dialog, "lblScope")->text();
    auto* box = test::findControl<QLineEdit>(*dialog, "txtHealth");
    hiddenAtLoad = box->isHidden();
    name = test::findControl<QLineEdit>(*dialog, "txtFileName")->text();
    EXPECT_EQ(test::findControl<QLineEdit>(*dialog, "txtAge")->text(), QStringLiteral("0"));
    test::findControl<QCheckBox>(*dialog, "chkHealth")->setChecked(true);
    EXPECT_FALSE(box->isHidden());
    box->setText(QStringLiteral("250"));  // no clamping in this edition
    test::findControl<QPushButton>(*dialog, "cmdOK")->click();  // over lake.wtk: No
    test::onNextModal([&](QWidget* again) {
      nameAfterNo = test::findControl<QLineEdit>(*again, "txtFileName")->text();
      test::findControl<QLineEdit>(*again, "txtFileName")->setText(QStringLiteral("TEMP"));
      test::findControl<QPushButton>(*again, "cmdOK")->click();
    });
  });
  window.start();
  EXPECT_EQ(caption, QStringLiteral("NEON"));
  EXPECT_EQ(scope, QStringLiteral("Edits all 4 fish in lake.wtk, whatever their kind"));
  EXPECT_EQ(name, QStringLiteral("lake"));
  EXPECT_EQ(nameAfterNo, QStringLiteral("lake"));
  EXPECT_TRUE(hiddenAtLoad);
  EXPECT_EQ(scripted.questions, std::vector<std::string>{ui::overwriteQuestion((folder.path() / "lake.wtk").string())});
  EXPECT_EQ(read("lake.wtk"), original);
  auto written = read("TEMP.wtk");
  EXPECT_EQ(base::getU32(written.data() + base0() + 124), 0x437A0000u);  // 250.0
  EXPECT_TRUE(window.browser().listedFiles().contains(QStringLiteral("TEMP.wtk")));
  EXPECT_EQ(test::findControl<QLabel>(window, "Panel3")->text(),
            QStringLiteral("Wrote TEMP.wtk in %1: 4 fish updated").arg(ui::fromPath(folder.path())));
}

TEST_F(Netkeeper2Window, GridTogglesSexByClickAndWritesOnlyOnOk) {
  ui::ScriptedUi scripted;
  scripted.questionAnswers = {ui::Answer::Yes};  // lake.wtk itself is replaced
  netkeeper2::Window window(scripted, folder.path());
  ASSERT_TRUE(window.selectFile(QStringLiteral("lake.wtk")));
  test::onNextModal([&](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  window.detail();
  EXPECT_EQ(read("lake.wtk"), original);  // Cancel writes nothing

  QStringList captions, sexes;
  test::onNextModal([&](QWidget* modal) {
    auto* grid = static_cast<GridWindow*>(modal)->grid();
    EXPECT_EQ(modal->windowTitle(), QStringLiteral("lake"));
    EXPECT_EQ(grid->rowCount(), 7);
    for (int c = 0; c < grid->columnCount(); ++c) captions << grid->horizontalHeaderItem(c)->text();
    auto click = [&](int row) {
      const QRect cell = grid->visualItemRect(grid->item(row, 7));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
      sexes << grid->item(row, 7)->text();
    };
    click(0);  // male → female
    click(1);  // female → male
    click(1);  // and back
    click(3);  // an egg stays an egg
    // A number cell says at once how it will be read; the header gives the unit.
    grid->item(2, 3)->setText(QStringLiteral("10 percent"));
    EXPECT_EQ(grid->item(2, 3)->toolTip(), QStringLiteral("Read as 10: the text after the number is ignored."));
    EXPECT_EQ(grid->horizontalHeaderItem(3)->toolTip(), QStringLiteral("%"));
    grid->item(2, 3)->setText(QStringLiteral("10"));  // GREENNEON's health
    EXPECT_TRUE(grid->item(2, 3)->toolTip().isEmpty());
    test::findControl<QPushButton>(*modal, "cmdOK")->click();
  });
  window.detail();
  EXPECT_EQ(captions, (QStringList{"Fish Kind", "Name", "Age", "Health", "Fullness", "Courage", "Power", "Sex", "Color", "egg"}));
  EXPECT_EQ(sexes, (QStringList{"female", "male", "female", "egg"}));
  auto written = read("lake.wtk");
  EXPECT_EQ(base::getU32(written.data() + base0()), 0xFFFFFF9Cu);
  EXPECT_EQ(base::getU32(written.data() + 1490 + 100 + 124), 0x41200000u);  // 10.0
  EXPECT_EQ(base::getU32(written.data() + 851 + 100), 0xFFFFFF9Cu);  // CARDINAL still female
  EXPECT_EQ(scripted.questions.size(), 1u);
  EXPECT_EQ(test::findControl<QLabel>(window, "Panel3")->text(),
            QStringLiteral("Wrote lake.wtk in %1: 2 cells changed").arg(ui::fromPath(folder.path())));
}

TEST(Netkeeper2Grid, KeepsItsMarginsWhenResized) {
  GridWindow window({}, QStringLiteral("lake"));
  EXPECT_EQ(window.width(), 720);  // 10800 twips
  window.resize(800, 500);
  QResizeEvent event(QSize(800, 500), QSize(720, 420));
  QApplication::sendEvent(&window, &event);
  EXPECT_EQ(window.grid()->geometry(), QRect(0, 0, 800 - 22, 500 - 66));
}

// Nothing is clamped here: a box says when its text is read as 0 or partly ignored.
TEST(Netkeeper2NumberBoxes, AreMarkedWithHowTheyWillBeReadAndShowTheirUnits) {
  FishInfoDialog dialog(QStringLiteral("NEON"), QStringLiteral("lake"));
  dialog.show();
  test::findControl<QCheckBox>(dialog, "chkHealth")->setChecked(true);
  auto* health = test::findControl<QLineEdit>(dialog, "txtHealth");
  EXPECT_FALSE(health->property("numberHint").toBool());
  health->clear();
  QTest::keyClicks(health, QStringLiteral("abc"));
  EXPECT_TRUE(health->property("numberHint").toBool());
  EXPECT_EQ(health->toolTip(), QStringLiteral("Read as 0: the box does not start with a number."));
  health->setText(QStringLiteral("12.6"));
  EXPECT_EQ(health->toolTip(), QStringLiteral("Read as 13, rounded to a whole number."));
  EXPECT_TRUE(test::findControl<QLabel>(dialog, "lblHealthUnit")->isVisible());
  EXPECT_EQ(test::findControl<QLabel>(dialog, "lblHealthUnit")->text(), QStringLiteral("%"));
  EXPECT_FALSE(test::findControl<QLabel>(dialog, "lblAgeUnit")->isVisible());
}

TEST(SingleInstanceGuard, OneCopyAtATimeAndACrashedCopyDoesNotBlock) {
  test::TempFolder folder;
  const QString where = ui::fromPath(folder.path());
  QByteArray lock;  // as the guard writes it; on Windows the machine's name comes from the environment
  {
    ui::SingleInstance first(QStringLiteral("netkeeper2"), where);
    EXPECT_TRUE(first.acquired());
    ui::SingleInstance second(QStringLiteral("netkeeper2"), where);
    EXPECT_FALSE(second.acquired());
    QFile file(QDir(where).filePath(QStringLiteral("netkeeper2.lock")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    lock = file.readAll();
  }
  EXPECT_TRUE(ui::SingleInstance(QStringLiteral("netkeeper2"), where).acquired());
  // A lock left by a process that is gone.
  lock = "2147483000" + lock.mid(lock.indexOf('\n'));
  std::ofstream(folder.path() / "netkeeper2.lock", std::ios::binary) << lock.toStdString();
  EXPECT_TRUE(ui::SingleInstance(QStringLiteral("netkeeper2"), where).acquired());
}

}  // namespace
