// netkeeper's windows as the person meets them: the main window's controls, lists and modes,
// Start with Fish Infomation, Splicing, the gene-list window, and the single-instance guard.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QFileInfo>
#include <QListWidget>
#include <QTreeWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "base/file_io.hpp"
#include "netkeeper/scenario.hpp"
#include "netkeeper/window.hpp"
#include "support/window_support.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/overwrite.hpp"
#include "ui/qt/single_instance.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

class NetkeeperWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    tank = folder.path() / "lake.tqn";
    ASSERT_TRUE(base::writeFileAtomically(tank, scenario::tank()));
    Bytes neon = testtank::filler(2000);
    testtank::fishAt(neon, 1000, "NeonTetra");
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "neon.fsh", neon));
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "UPPER.TQN", neon));
    ASSERT_TRUE(base::writeFileAtomically(folder.path() / "notes.txt", Bytes{'x'}));
  }
  // The helpers' polling timers end in the event loop: let them.
  void TearDown() override { QTest::qWait(50); }
  template <class T>
  static T* control(QWidget& window, const char* name) {
    return test::findControl<T>(window, name);
  }
  // As a click does it (QTest's synthetic clicks in a row may count as a double click).
  static void click(QWidget& window, const char* name) { control<QAbstractButton>(window, name)->click(); }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  fs::path tank;
};

TEST_F(NetkeeperWindow, HasItsControlsWithTheirCaptions) {
  netkeeper::Window window(ui, folder.path());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("NetKeeper"));
  EXPECT_EQ(control<QCheckBox>(window, "Check1")->text(), QStringLiteral("Fish"));
  EXPECT_FALSE(control<QCheckBox>(window, "Check1")->isChecked());
  EXPECT_EQ(control<QPushButton>(window, "cmdStart")->text(), QStringLiteral("Start"));
  EXPECT_EQ(control<QPushButton>(window, "cmdOption")->text(), QStringLiteral("Option"));
  EXPECT_EQ(control<QPushButton>(window, "cmdSplicing")->text(), QStringLiteral("Splicing"));
  EXPECT_EQ(control<QPushButton>(window, "cmdGene")->text(), QStringLiteral("Gene"));
  EXPECT_EQ(control<QLabel>(window, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
  for (const char* name : {"Drive1", "Dir1", "File1", "StatusBar1", "Panel1", "Panel2"})
    EXPECT_NE(control<QWidget>(window, name), nullptr) << name;
}

TEST_F(NetkeeperWindow, TheModeBoxSwitchesCaptionAndPattern) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  EXPECT_EQ(window.listedFiles(), (QStringList{"lake.tqn", "neon.fsh", "UPPER.TQN"}));
  click(window, "Check1");
  EXPECT_EQ(control<QCheckBox>(window, "Check1")->text(), QStringLiteral("Tank"));
  EXPECT_EQ(window.listedFiles(), (QStringList{"lake.tqn", "UPPER.TQN"}));
  click(window, "Check1");
  EXPECT_EQ(control<QCheckBox>(window, "Check1")->text(), QStringLiteral("Fish"));
  EXPECT_EQ(window.listedFiles().size(), 3);
}

TEST_F(NetkeeperWindow, ClickingAFileShowsItsLengthAndDate) {
  netkeeper::Window window(ui, folder.path());
  ASSERT_TRUE(window.selectFile(QStringLiteral("lake.tqn")));
  const QString modified = QFileInfo(ui::fromPath(tank)).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  EXPECT_EQ(control<QLabel>(window, "Panel1")->text(), QStringLiteral("30,000 bytes, ") + modified);
  EXPECT_TRUE(control<QLabel>(window, "Panel2")->text().isEmpty());  // nothing written yet
}

TEST_F(NetkeeperWindow, StartWithoutAFileSaysFileDiffersUnlessInTankMode) {
  netkeeper::Window window(ui, folder.path());
  click(window, "cmdStart");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File differs"});
  window.setTankMode(true);
  click(window, "cmdStart");
  EXPECT_EQ(ui.messages.size(), 1u);  // nothing happens
  // This tank has no water block: the water dialog is not opened.
  window.selectFile(QStringLiteral("lake.tqn"));
  click(window, "cmdStart");
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"File differs", "Tank of this version is not able to change"}));
}

TEST_F(NetkeeperWindow, TankModeStartOpensTheWaterAndOptionTheArchiveDialog) {
  Bytes water = testtank::filler(3000);
  base::putU32(water.data() + 40, 60);
  base::putU32(water.data() + 48, 26500);  // the temperature: this version
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "pond.tqn", water));
  netkeeper::Window window(ui, folder.path());
  window.setTankMode(true);
  ASSERT_TRUE(window.selectFile(QStringLiteral("pond.tqn")));
  QString caption, name;
  test::onNextModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    name = control<QLineEdit>(*modal, "txtFileName")->text();
    static_cast<QDialog*>(modal)->reject();
  });
  click(window, "cmdStart");
  EXPECT_EQ(caption, QStringLiteral("Watter Settings"));
  EXPECT_EQ(name, QStringLiteral("pond"));
  bool eraseEnabled = true;
  test::onNextModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    eraseEnabled = control<QPushButton>(*modal, "cmdErase")->isEnabled();
    static_cast<QDialog*>(modal)->reject();
  });
  click(window, "cmdOption");
  EXPECT_EQ(caption, QStringLiteral("Option"));
  EXPECT_FALSE(eraseEnabled);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NetkeeperWindow, FishInfomationOpensUntickedAndOkWritesTheEdits) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  window.selectFile(QStringLiteral("lake.tqn"));
  bool seen = false;
  test::onNextModal([&](QWidget* modal) {
    seen = true;
    EXPECT_EQ(modal->objectName(), QStringLiteral("frmFish"));
    EXPECT_EQ(modal->windowTitle(), QStringLiteral("Guppy"));
    EXPECT_EQ(control<QLabel>(*modal, "lblScope")->text(), QStringLiteral("Edits all 5 Guppies and 2 Guppy eggs"));
    EXPECT_EQ(control<QLineEdit>(*modal, "txtAge")->text(), QStringLiteral("95"));
    EXPECT_EQ(control<QLineEdit>(*modal, "txtEggs")->text(), QStringLiteral("100"));
    EXPECT_EQ(control<QLineEdit>(*modal, "txtFileName")->text(), QStringLiteral("TEMP"));
    for (const char* name : {"chkAge", "chkHealth", "chkVigor", "chkCourage", "chkPower", "chkSex", "chkEggs"})
      EXPECT_FALSE(control<QCheckBox>(*modal, name)->isChecked()) << name;
    for (const char* name : {"txtAge", "txtHealth", "txtVigor", "txtCourage", "txtPower", "txtEggs", "optM", "optW"})
      EXPECT_FALSE(control<QWidget>(*modal, name)->isVisible()) << name;
    EXPECT_TRUE(control<QRadioButton>(*modal, "optM")->isChecked());

    click(*modal, "chkHealth");
    EXPECT_TRUE(control<QWidget>(*modal, "txtHealth")->isVisible());
    click(*modal, "chkSex");
    EXPECT_TRUE(control<QWidget>(*modal, "optW")->isVisible());
    click(*modal, "optW");
    EXPECT_FALSE(control<QRadioButton>(*modal, "optM")->isChecked());
    control<QLineEdit>(*modal, "txtHealth")->setText(QStringLiteral("-5"));
    // Enter in the File Name box acts as OK.
    auto* name = control<QLineEdit>(*modal, "txtFileName");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
  });
  click(window, "cmdStart");
  ASSERT_TRUE(seen);
  EXPECT_TRUE(ui.messages.empty());
  auto out = base::readFile(folder.path() / "TEMP.tqn", 100000);
  ASSERT_TRUE(out.has_value());
  for (std::size_t n : scenario::kEditedGuppies) {
    EXPECT_EQ((*out)[n + 276], 0) << n;
    EXPECT_EQ((*out)[n + 260], 'F') << n;
  }
  EXPECT_TRUE(window.listedFiles().contains(QStringLiteral("TEMP.tqn")));
  EXPECT_EQ(control<QLabel>(window, "Panel2")->text(),
            QStringLiteral("Wrote TEMP.tqn in %1: 5 fish and 2 eggs updated").arg(ui::fromPath(folder.path())));
}

// The opened file itself, or any other, is replaced only after a Yes; a No keeps the dialog
// open with its boxes, and the loaded tank unedited for the next OK.
TEST_F(NetkeeperWindow, ReplacingAFileAsksFirstAndNoWritesNothing) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  window.selectFile(QStringLiteral("lake.tqn"));
  const auto before = base::readFile(tank, 100000);
  ui.questionAnswers = {ui::Answer::No, ui::Answer::Yes};
  bool openAfterNo = false;
  test::onNextModal([&](QWidget* modal) {
    click(*modal, "chkHealth");
    control<QLineEdit>(*modal, "txtHealth")->setText(QStringLiteral("7"));
    control<QLineEdit>(*modal, "txtFileName")->setText(QStringLiteral("lake"));
    click(*modal, "cmdOK");
    openAfterNo = modal->isVisible();
    click(*modal, "cmdOK");
  });
  click(window, "cmdStart");
  EXPECT_TRUE(openAfterNo);
  EXPECT_EQ(ui.questions, (std::vector<std::string>(2, ui::overwriteQuestion(tank.string()))));
  auto after = base::readFile(tank, 100000);
  ASSERT_TRUE(after && before);
  EXPECT_EQ((*after)[scenario::kA + 276], 7);
  EXPECT_EQ(base::getU32(after->data() + scenario::kA + 328), 0x100u);  // FF 00 00 00 counted up once, not twice
  EXPECT_TRUE(control<QLabel>(window, "Panel1")->text().startsWith(QStringLiteral("30,000 bytes, ")));
  EXPECT_EQ(control<QLabel>(window, "Panel2")->text(),
            QStringLiteral("Wrote lake.tqn in %1: 5 fish and 2 eggs updated").arg(ui::fromPath(folder.path())));
}

TEST_F(NetkeeperWindow, FishInfomationCancelAndEscWriteNothing) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  window.selectFile(QStringLiteral("lake.tqn"));
  test::onNextModal([&](QWidget* modal) { click(*modal, "cmdCancel"); });
  click(window, "cmdStart");
  // A double click on a file (activating it) acts as Start.
  bool escaped = false;
  test::onNextModal([&](QWidget* modal) {
    escaped = true;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  auto* files = control<QListWidget>(window, "File1");
  emit files->itemActivated(files->item(0));
  EXPECT_TRUE(escaped);
  EXPECT_FALSE(fs::exists(folder.path() / "TEMP.tqn"));
}

TEST_F(NetkeeperWindow, SplicingKeepsItsDialogOpenForAGeneOutOfRange) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  window.selectFile(QStringLiteral("neon.fsh"));
  click(window, "cmdSplicing");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File differs"});

  window.selectFile(QStringLiteral("lake.tqn"));
  test::onNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal->objectName(), QStringLiteral("frmSplicing"));
    EXPECT_EQ(modal->windowTitle(), QStringLiteral("Guppy"));
    EXPECT_EQ(control<QLabel>(*modal, "lblScope")->text(), QStringLiteral("Edits all 6 gene-carrying fish: 5 Guppies, 1 Discus"));
    for (int i = 0; i < 14; ++i) {
      const QByteArray box = QStringLiteral("txtGene_%1").arg(i).toLatin1();
      EXPECT_EQ(control<QLineEdit>(*modal, box.constData())->text(), QStringLiteral("1"));
      EXPECT_FALSE(control<QLineEdit>(*modal, box.constData())->isVisible());
    }
    click(*modal, "chkGene_2");
    EXPECT_TRUE(control<QCheckBox>(*modal, "chkGene_2")->isChecked());
    control<QLineEdit>(*modal, "txtGene_2")->setText(QStringLiteral("300"));
    click(*modal, "cmdOK");
    EXPECT_TRUE(modal->isVisible());
    control<QLineEdit>(*modal, "txtGene_2")->setText(QStringLiteral("30"));
    click(*modal, "cmdOK");
  });
  click(window, "cmdSplicing");
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1], "Gene 3 must be a number from 0 to 255, not \"300\".");
  auto out = base::readFile(folder.path() / "TEMP.fsh", 100000);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ((*out)[scenario::geneAt(scenario::kDiscus) + 4], 30);
  EXPECT_EQ(control<QLabel>(window, "Panel2")->text(),
            QStringLiteral("Wrote TEMP.fsh in %1: genes of 6 fish updated").arg(ui::fromPath(folder.path())));
}

TEST_F(NetkeeperWindow, GeneOpensTheListAndClosesItForAKindWithoutGenes) {
  netkeeper::Window window(ui, folder.path());
  window.show();
  window.selectFile(QStringLiteral("lake.tqn"));
  click(window, "cmdGene");
  netkeeper::GeneListWindow* list = window.geneListWindow();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Guppy"));
  QTreeWidget* table = list->list();
  EXPECT_EQ(table->objectName(), QStringLiteral("List1"));
  EXPECT_EQ(table->headerItem()->text(0), QStringLiteral("Nickname"));
  EXPECT_EQ(table->headerItem()->text(14), QStringLiteral("G14"));
  ASSERT_EQ(table->topLevelItemCount(), 5);
  EXPECT_EQ(table->topLevelItem(2)->text(0), QStringLiteral("ぐっぴー"));
  EXPECT_EQ(table->topLevelItem(2)->text(1), QStringLiteral("41"));  // gene 1 of the third guppy
  EXPECT_EQ(table->currentItem(), table->topLevelItem(4));
  control<QAction>(window, "mnuCodePage1252")->trigger();  // the nicknames read in Western
  click(window, "cmdGene");
  EXPECT_EQ(table->topLevelItem(2)->text(0).left(6), QString::fromUtf8("‚®‚Á‚Ò"));
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());

  click(window, "cmdGene");
  window.selectFile(QStringLiteral("neon.fsh"));
  click(window, "cmdGene");
  EXPECT_FALSE(list->isVisible());
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace

namespace {

TEST(AlreadyOpen, IsAnExclamationUnderTheLoadErrorTitle) {
  bool seen = false;
  test::onNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ロードエラー"));
    EXPECT_EQ(box->text(), QStringLiteral("This application has already been open"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->accept();
  });
  ui::showAlreadyOpen(nullptr);
  EXPECT_TRUE(seen);
  QTest::qWait(50);
}

}  // namespace
