// The Watter Settings and Option dialogs as the person meets them: the boxes in their on-screen
// order, init and UPDATE, the archive picker, Erase and Undo enabled only once an archive is chosen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "base/file_io.hpp"
#include "netkeeper/dialogs.hpp"
#include "netkeeper/option_dialog.hpp"
#include "netkeeper/water_dialog.hpp"
#include "support/window_support.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using namespace netkeeper;

base::Bytes lakeTank() {
  base::Bytes tank(3000, 0x55);
  const tankfile::WaterValues values = {60000, 26500, 7000, 4000, 474000, 0, 0, 100, 0, 2520000, 600000, 0, 0, 0, 0};
  base::putU32(tank.data() + 100, 60);
  for (std::size_t k = 0; k < values.size(); ++k) base::putU32(tank.data() + 104 + 4 * k, values[k]);
  return tank;
}

TEST(WaterSettingsWindow, ShowsTheBoxesInTheirOrderAndWritesOnUpdate) {
  test::TempFolder folder;
  const auto tank = lakeTank();
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "lake.tqn", tank));
  ui::ScriptedUi ui;
  Water water(ui);
  auto state = water.load(folder.path() / "lake.tqn");
  ASSERT_TRUE(state);
  WaterSettingsDialog dialog(water, *state, folder.path());
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Watter Settings"));
  auto* fileName = test::findControl<QLineEdit>(dialog, "txtFileName");
  EXPECT_EQ(fileName->text(), QStringLiteral("lake"));
  QStringList labels;
  for (int k = 0; k < 15; ++k) labels << test::findControl<QLabel>(dialog, QStringLiteral("lblWater%1").arg(k).toLatin1())->text();
  EXPECT_EQ(labels, (QStringList{"Vol(Litter)", "Temp", "PH", "GH", "O2", "CO2", "HNO3", "NH3", "Cl", "Ca", "Mg", "Protain",
                                 "Carbo hydrate", "Fat", "Vitamin"}));
  // Mg stands above Ca.
  EXPECT_LT(test::findControl<QLabel>(dialog, "lblWater10")->y(), test::findControl<QLabel>(dialog, "lblWater9")->y());
  EXPECT_EQ(test::findControl<QLineEdit>(dialog, "txtWater1")->text(), QStringLiteral("26.5"));
  EXPECT_EQ(test::findControl<QLineEdit>(dialog, "txtWater7")->text(), QStringLiteral("0.001"));
  EXPECT_EQ(test::findControl<QCheckBox>(dialog, "chkVolChange")->text(), QStringLiteral("Vol Change"));

  test::findControl<QLineEdit>(dialog, "txtWater1")->setText(QStringLiteral("9999"));
  test::findControl<QPushButton>(dialog, "cmdInit")->click();
  EXPECT_EQ(test::findControl<QLineEdit>(dialog, "txtWater1")->text(), QStringLiteral("26.5"));
  EXPECT_EQ(test::findControl<QLineEdit>(dialog, "txtWater0")->text(), QStringLiteral("60"));

  // Replacing the opened tank waits for a Yes: a No keeps the dialog open and the tank as it was.
  test::findControl<QPushButton>(dialog, "cmdUpdate")->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(*base::readFile(folder.path() / "lake.tqn", 1 << 20), tank);

  // A value that cannot be stored keeps the dialog open and writes nothing.
  test::findControl<QLineEdit>(dialog, "txtWater2")->setText(QStringLiteral("-1"));
  fileName->setText(QStringLiteral("new"));
  test::findControl<QPushButton>(dialog, "cmdUpdate")->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(fs::exists(folder.path() / "new.tqn"));
  ASSERT_EQ(ui.messages.size(), 1u);

  test::findControl<QLineEdit>(dialog, "txtWater2")->setText(QStringLiteral("7.5"));
  test::findControl<QPushButton>(dialog, "cmdUpdate")->click();
  EXPECT_FALSE(dialog.isVisible());
  auto written = base::readFile(folder.path() / "new.tqn", 1 << 20);
  ASSERT_TRUE(written);
  auto expected = tank;
  base::putU32(expected.data() + 104 + 8, 7500);
  base::putU32(expected.data() + 104 + 28, 0);  // init's 0 for NH3, which showed 0.001
  EXPECT_EQ(*written, expected);
  EXPECT_EQ(water.statusText(), "Wrote new.tqn in " + folder.path().string() + ": PH and NH3 changed");
}

TEST(OptionWindow, EraseAndUndoWaitForAnArchiveChosenInThePicker) {
  test::TempFolder folder;
  const base::Bytes original(200'000, 0x33);
  const auto archive = folder.path() / "Brinmoor.rez";
  ASSERT_TRUE(base::writeFileAtomically(archive, original));
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "other.rez", original));
  ui::ScriptedUi ui;
  ArchivePatch patch(ui);
  OptionDialog dialog(patch, folder.path());
  dialog.show();
  QStringList captions;
  for (auto* name : {"chkHeater", "chkFilter", "chkHeaterLayout", "chkFilterLayout"})
    captions << test::findControl<QCheckBox>(dialog, name)->text();
  EXPECT_EQ(captions, (QStringList{"Heater", "Filter", "Heater(Layout)", "Filter(Layout)"}));
  auto* erase = test::findControl<QPushButton>(dialog, "cmdErase");
  auto* undo = test::findControl<QPushButton>(dialog, "cmdUndo");
  EXPECT_FALSE(erase->isEnabled());
  EXPECT_FALSE(undo->isEnabled());

  QStringList offered;
  test::onNextModal([&](QWidget* modal) {
    auto* picker = static_cast<ArchivePicker*>(modal);
    offered = picker->browser().listedFiles();
    auto* files = test::findControl<QListWidget>(*picker, "File1");
    files->setCurrentRow(0);
    emit files->itemActivated(files->item(0));
  });
  QTest::mouseClick(test::findControl<QWidget>(dialog, "lblPath"), Qt::LeftButton);
  EXPECT_EQ(offered, QStringList{"Brinmoor.rez"});
  EXPECT_EQ(ui::toPath(dialog.archive()), archive);
  EXPECT_TRUE(erase->isEnabled());
  EXPECT_TRUE(undo->isEnabled());

  // Undo before any erase: no backup yet; the dialog stays open.
  undo->click();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"There is not original file"});
  EXPECT_TRUE(dialog.isVisible());

  test::findControl<QCheckBox>(dialog, "chkFilterLayout")->setChecked(true);
  erase->click();
  ASSERT_TRUE(dialog.waitUntilIdle());  // Erase runs on a worker thread
  EXPECT_FALSE(dialog.isVisible());
  auto patched = *base::readFile(archive, 1 << 20);
  auto expected = original;
  std::fill(expected.begin() + 22608, expected.begin() + 25144, 0);
  EXPECT_EQ(patched, expected);
  EXPECT_EQ(*base::readFile(folder.path() / "Brinmoor.org", 1 << 20), original);
  EXPECT_EQ(dialog.doneText(), QStringLiteral("Erased Filter(Layout) in %1 (backup Brinmoor.org)").arg(ui::fromPath(archive)));
}

// A box the flow refuses outside its range refuses the keystroke; a box the flow clamps or reads
// leniently is marked with how it will be read; each box shows its unit.
TEST(NumberBoxes, RefuseMarkAndShowTheirUnits) {
  test::TempFolder folder;
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "lake.tqn", lakeTank()));
  ui::ScriptedUi ui;
  Water water(ui);
  WaterSettingsDialog dialog(water, *water.load(folder.path() / "lake.tqn"), folder.path());
  dialog.show();
  auto* temp = test::findControl<QLineEdit>(dialog, "txtWater1");
  temp->clear();
  QTest::keyClicks(temp, QStringLiteral("hot"));
  EXPECT_EQ(temp->text(), QString());
  QTest::keyClicks(temp, QStringLiteral("419"));  // 41 is past 40: the 9 is refused too
  EXPECT_EQ(temp->text(), QStringLiteral("4"));
  QTest::keyClicks(temp, QStringLiteral("0.5"));
  EXPECT_EQ(temp->text(), QStringLiteral("40."));  // 40.5 is past 40 as well
  EXPECT_EQ(test::findControl<QLabel>(dialog, "lblWater1Unit")->text(), QStringLiteral("°C"));
  EXPECT_EQ(test::findControl<QLabel>(dialog, "lblWater0Unit")->text(), QStringLiteral("litres"));

  FishDialog fish(QStringLiteral("Guppy"), 7, {});
  fish.show();
  test::findControl<QCheckBox>(fish, "chkHealth")->setChecked(true);
  auto* health = test::findControl<QLineEdit>(fish, "txtHealth");
  health->clear();
  QTest::keyClicks(health, QStringLiteral("abc"));
  EXPECT_TRUE(health->property(ui::kNumberHintProperty).toBool());
  EXPECT_EQ(health->toolTip(), QStringLiteral("Read as 0: the box does not start with a number."));
  health->setText(QStringLiteral("300"));
  EXPECT_EQ(health->toolTip(), QStringLiteral("Read as 100, the largest value."));
  health->setText(QStringLiteral("55"));
  EXPECT_FALSE(health->property(ui::kNumberHintProperty).toBool());
  EXPECT_TRUE(test::findControl<QLabel>(fish, "lblHealthUnit")->isVisible());
  EXPECT_FALSE(test::findControl<QLabel>(fish, "lblVigorUnit")->isVisible());  // hidden with its unticked box
}

}  // namespace
