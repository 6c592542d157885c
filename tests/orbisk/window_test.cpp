// orbisk's window as the person meets it: its caption and controls, a scan filling the list,
// the busy state while a save runs on its worker thread, STOP, and a dropped file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "base/file_io.hpp"
#include "orbisk/window.hpp"
#include "support/window_support.hpp"
#include "samples/bitmaps.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/folder_dialog.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;

// A scripted Ui that also lets a test look at the window while a question is open.
class WatchingUi : public ui::ScriptedUi {
 public:
  std::function<void()> onAsk;
  bool askedOnGuiThread = true;

  ui::Answer ask(std::string_view text, ui::Buttons buttons) override {
    askedOnGuiThread = askedOnGuiThread && QThread::currentThread() == qApp->thread();
    if (onAsk) onAsk();
    return ScriptedUi::ask(text, buttons);
  }
};

base::Bytes zeros(std::size_t count) { return base::Bytes(count, 0); }

class OrbiskWindow : public ::testing::Test {
 protected:
  template <class T>
  T* control(const char* name) {
    return test::findControl<T>(window, name);
  }
  QPushButton* button(const char* name) { return control<QPushButton>(name); }
  QTreeWidget* list() { return control<QTreeWidget>("DataListBox"); }

  // The enabled state of every control the busy state switches.
  std::map<std::string, bool> enabledStates() {
    std::map<std::string, bool> states;
    for (const char* name : {"FileNameEdit", "ReferToFileBtn", "OpenBtn", "DataListBox", "KindComboBox", "ExtractBtn",
                             "OutputFolderEdit", "ChangeFolderBtn", "PreViewBtn", "StopBtn"})
      states[name] = control<QWidget>(name)->isEnabled();
    states["ListHeader"] = list()->header()->isEnabled();
    return states;
  }

  bool waitUntilIdle() {
    for (int i = 0; i < 2000 && window.busy(); ++i) QTest::qWait(5);
    return !window.busy();
  }

  // 300 zero bytes, the plant icon (8,050 bytes), 77 zero bytes, the plant front
  // (96 × 128 × 8 bits: 14 + 40 + 1,024 + 12,288 = 13,366 bytes), 50 zero bytes.
  fs::path writeSample() {
    base::Bytes bytes = zeros(300);
    const base::Bytes icon = samples::plantIcon(), front = samples::plantFront();
    bytes.insert(bytes.end(), icon.begin(), icon.end());
    const base::Bytes gap = zeros(77), tail = zeros(50);
    bytes.insert(bytes.end(), gap.begin(), gap.end());
    bytes.insert(bytes.end(), front.begin(), front.end());
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    const fs::path file = folder.path() / "sample.dat";
    EXPECT_TRUE(base::writeFileAtomically(file, bytes));
    return file;
  }

  void scan(const fs::path& file) {
    window.setFileName(ui::fromPath(file));
    window.find();
    ASSERT_TRUE(waitUntilIdle());
  }

  test::TempFolder folder;
  WatchingUi ui;
  orbisk::Window window{ui, folder.path()};
};

TEST_F(OrbiskWindow, ShowsItsCaptionPanelsButtonsAndHeader) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral(" Orbisk - English Version ! - Ver.1.20"));
  EXPECT_EQ(window.objectName(), QStringLiteral("MainForm"));
  EXPECT_EQ(control<QGroupBox>("FilePanel")->title(), QStringLiteral("File you are currently working on"));
  EXPECT_EQ(control<QGroupBox>("OutputFolderPanel")->title(), QStringLiteral("Currently selected output directory"));
  EXPECT_EQ(control<QLabel>("KindLabel")->text(), QStringLiteral("Select Type of Ressource -->"));
  EXPECT_EQ(button("ReferToFileBtn")->text(), QStringLiteral("Select File"));
  EXPECT_EQ(button("ChangeFolderBtn")->text(), QStringLiteral("Change folder"));
  EXPECT_EQ(button("OpenBtn")->text(), QStringLiteral("Find Ressources"));
  EXPECT_EQ(button("ExtractBtn")->text(), QStringLiteral("Save selected Ressource"));
  EXPECT_EQ(button("PreViewBtn")->text(), QStringLiteral("Preview selected ressource"));
  EXPECT_EQ(button("StopBtn")->text(), QStringLiteral("STOP"));

  QComboBox* kinds = control<QComboBox>("KindComboBox");
  ASSERT_EQ(kinds->count(), 3);
  EXPECT_EQ(kinds->itemText(0), QStringLiteral("BITMAP"));
  EXPECT_EQ(kinds->itemText(1), QStringLiteral("WAVE"));
  EXPECT_EQ(kinds->itemText(2), QStringLiteral("MIDI"));
  EXPECT_EQ(kinds->currentText(), QStringLiteral("BITMAP"));

  QTreeWidget* lines = list();
  EXPECT_EQ(lines->selectionMode(), QAbstractItemView::ExtendedSelection);
  const char* sections[] = {"Ressource Name", "Start Offset (hex)", "End Offset (hex)", "Size (Hex)"};
  const int widths[] = {110, 115, 110, 90};
  ASSERT_EQ(lines->columnCount(), 4);
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ(lines->headerItem()->text(column), QString::fromLatin1(sections[column]));
    EXPECT_EQ(lines->header()->sectionSize(column), widths[column]);
  }

  // The output folder starts as the program's folder, in a read-only box.
  QLineEdit* outputFolder = control<QLineEdit>("OutputFolderEdit");
  EXPECT_TRUE(outputFolder->isReadOnly());
  EXPECT_EQ(outputFolder->text(), ui::fromPath(folder.path()));
  // Idle with nothing listed: nothing to save, preview or stop.
  EXPECT_FALSE(button("ExtractBtn")->isEnabled());
  EXPECT_FALSE(button("PreViewBtn")->isEnabled());
  EXPECT_FALSE(button("StopBtn")->isEnabled());
  EXPECT_TRUE(button("OpenBtn")->isEnabled());
}

TEST_F(OrbiskWindow, FindListsTheBitmapsAndSaveWaitsForAClick) {
  scan(writeSample());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"2個のファイルが見つかりました"});
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_TRUE(ui.wasBusy);

  QTreeWidget* lines = list();
  ASSERT_EQ(lines->topLevelItemCount(), 2);
  const QStringList expected[] = {{"samp0000.BMP", "0000012C", "0000209D", "8,050"},
                                  {"samp0001.BMP", "000020EB", "00005520", "13,366"}};
  for (int line = 0; line < 2; ++line)
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(lines->topLevelItem(line)->text(column), expected[line][column]) << line << ", " << column;
  EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 0);

  // Idle again, but Save and Preview wait for a line to be clicked.
  std::map<std::string, bool> states = enabledStates();
  EXPECT_FALSE(states["ExtractBtn"]);
  EXPECT_FALSE(states["PreViewBtn"]);
  EXPECT_FALSE(states["StopBtn"]);
  EXPECT_TRUE(states["OpenBtn"] && states["DataListBox"] && states["ListHeader"] && states["FileNameEdit"]);

  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect second = lines->visualItemRect(lines->topLevelItem(1));
  QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
  EXPECT_TRUE(lines->topLevelItem(1)->isSelected());
  EXPECT_TRUE(button("ExtractBtn")->isEnabled());
  EXPECT_TRUE(button("PreViewBtn")->isEnabled());

  // A name that is no file: the error, and the list as it was.
  ui.messages.clear();
  window.setFileName(ui::fromPath(folder.path() / "missing.dat"));
  window.find();
  EXPECT_FALSE(window.busy());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"ファイル名が正しくありません。"});
  EXPECT_EQ(lines->topLevelItemCount(), 2);
}

TEST_F(OrbiskWindow, SaveRunsBusyAsksOnTheGuiThreadAndStops) {
  const fs::path scanned = writeSample();
  scan(scanned);
  const fs::path out = folder.path() / "out";
  fs::create_directories(out);
  window.flow().setOutputFolder(out);
  ASSERT_TRUE(base::writeFileAtomically(out / "samp0000.BMP", base::Bytes{'o', 'l', 'd'}));

  // Both lines selected; the first exists and is asked about.
  list()->selectAll();
  std::map<std::string, bool> whileAsked;
  ui.onAsk = [&] { whileAsked = enabledStates(); };
  ui.questionAnswers = {ui::Answer::No};
  window.save();
  ASSERT_TRUE(waitUntilIdle());

  EXPECT_TRUE(ui.askedOnGuiThread);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], (out / "samp0000.BMP").string() + "\n\rはすでに存在します。上書きしますか？");
  const std::map<std::string, bool> busy = {
      {"FileNameEdit", false}, {"ReferToFileBtn", false}, {"OpenBtn", false},         {"DataListBox", false},
      {"ListHeader", false},   {"KindComboBox", false},   {"ExtractBtn", false},      {"OutputFolderEdit", false},
      {"ChangeFolderBtn", false}, {"PreViewBtn", false},  {"StopBtn", true}};
  EXPECT_EQ(whileAsked, busy);

  // No left the old file; the other was written with exactly its bytes.
  EXPECT_EQ(base::readFile(out / "samp0000.BMP", 100).value(), (base::Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(base::readFile(out / "samp0001.BMP", 100000).value(), samples::plantFront());
  EXPECT_EQ(test::findControl<QLabel>(window, "SavedLabel")->text(),
            QStringLiteral("Saved 1 resource to %1 (1 existing kept)").arg(ui::fromPath(out)));
  // Idle again: the busy state reversed, the selection kept, so Save stays available.
  std::map<std::string, bool> idle = enabledStates();
  EXPECT_TRUE(idle["ExtractBtn"] && idle["OpenBtn"] && idle["DataListBox"] && idle["ChangeFolderBtn"]);
  EXPECT_FALSE(idle["StopBtn"]);
  EXPECT_EQ(ui.busyDepth, 0);

  // STOP pressed while the first question is open: the batch ends there, nothing more is
  // written and the old file is left as it was.
  fs::remove(out / "samp0001.BMP");
  ui.onAsk = [&] { QTest::mouseClick(button("StopBtn"), Qt::LeftButton); };
  ui.questionAnswers = {ui::Answer::Yes};
  window.save();
  ASSERT_TRUE(waitUntilIdle());
  EXPECT_EQ(base::readFile(out / "samp0000.BMP", 100).value(), (base::Bytes{'o', 'l', 'd'}));
  EXPECT_FALSE(fs::exists(out / "samp0001.BMP"));
}

// The window's own dialogs: Select File starts in the current file's folder with "*.*", and
// Change folder opens the folder dialog under orbisk's caption; chosen folders show in the box.
TEST_F(OrbiskWindow, OwnDialogsHaveTheirFilterAndCaption) {
  orbisk::Window own(folder.path());
  const fs::path sub = folder.path() / "sub";
  fs::create_directories(sub);
  own.setFileName(ui::fromPath(sub / "any.dat"));
  QString start;
  QStringList filters;
  test::onNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    start = dialog->directory().absolutePath();
    filters = dialog->nameFilters();
    dialog->reject();
  });
  own.selectFile();
  EXPECT_EQ(start, QDir(ui::fromPath(sub)).absolutePath());
  // "*.*", not repeated as its own description, then every file, extension or not.
  EXPECT_EQ(filters, (QStringList{"*.*", "All files (*)"}))
      << filters.join(QLatin1Char('|')).toStdString();

  QString caption;
  test::onNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<ui::FolderDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    dialog->openFolder(ui::fromPath(sub));
    dialog->accept();
  });
  own.changeFolder();
  EXPECT_EQ(caption, QStringLiteral("Select output directory where you want to save ressources"));
  EXPECT_EQ(own.findChild<QLineEdit*>(QStringLiteral("OutputFolderEdit"))->text(), ui::fromPath(sub));
}

// The program's folder is never used: the output folder follows the scanned file until one is
// chosen, and a chosen one is kept for the next start.
TEST_F(OrbiskWindow, OwnOutputFolderFollowsTheScannedFileUntilOneIsChosen) {
  const fs::path sub = folder.path() / "sub";
  fs::create_directories(sub);
  fs::rename(writeSample(), sub / "sample.dat");
  auto outputShown = [](orbisk::Window& shown) {
    return shown.findChild<QLineEdit*>(QStringLiteral("OutputFolderEdit"))->text();
  };
  auto scanIn = [](orbisk::Window& scanning, const fs::path& file) {
    scanning.setFileName(ui::fromPath(file));
    test::onNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });  // the report
    scanning.find();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scanning.busy() && !QApplication::activeModalWidget(); }, 5000));
  };
  {
    orbisk::Window own(folder.path());
    EXPECT_NE(outputShown(own), ui::fromPath(folder.path()));
    scanIn(own, sub / "sample.dat");
    EXPECT_EQ(outputShown(own), ui::fromPath(sub));

    test::onNextModal([this](QWidget* modal) {
      static_cast<ui::FolderDialog*>(modal)->openFolder(ui::fromPath(folder.path()));
      static_cast<QDialog*>(modal)->accept();
    });
    own.changeFolder();
    scanIn(own, sub / "sample.dat");
    EXPECT_EQ(outputShown(own), ui::fromPath(folder.path()));
  }
  orbisk::Window again(sub);
  EXPECT_EQ(outputShown(again), ui::fromPath(folder.path()));
}

TEST_F(OrbiskWindow, StopEndsAScanKeepingWhatWasFound) {
  // The icon, a gigabyte of zeros (a sparse hole), the front view.
  const fs::path big = folder.path() / "big.dat";
  {
    const base::Bytes icon = samples::plantIcon(), front = samples::plantFront();
    std::ofstream out(big, std::ios::binary);
    out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
    out.seekp(std::streamoff{1} << 30);
    out.write(reinterpret_cast<const char*>(front.data()), static_cast<std::streamsize>(front.size()));
    ASSERT_TRUE(out.good());
  }
  window.setFileName(ui::fromPath(big));
  window.find();
  QTest::mouseClick(button("StopBtn"), Qt::LeftButton);
  ASSERT_TRUE(waitUntilIdle());
  const int found = list()->topLevelItemCount();
  EXPECT_LT(found, 2);  // the front view at the end was never reached
  EXPECT_EQ(ui.messages, std::vector<std::string>{found == 1 ? "1個のファイルが見つかりました" : "ファイルは見つかりませんでした"});
  EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 0);
  EXPECT_FALSE(button("StopBtn")->isEnabled());
}

TEST_F(OrbiskWindow, ClosingDuringAScanStopsItQuietly) {
  const fs::path big = folder.path() / "big.dat";
  ASSERT_TRUE(base::writeFileAtomically(big, zeros(1)));
  fs::resize_file(big, std::uintmax_t{1} << 30);  // a gigabyte of zeros, sparse
  {
    WatchingUi other;
    orbisk::Window closing(other, folder.path());
    closing.setFileName(ui::fromPath(big));
    closing.find();
    EXPECT_TRUE(closing.busy());
    EXPECT_TRUE(closing.findChild<QPushButton*>(QStringLiteral("StopBtn"))->isEnabled());
  }  // stops the scan and waits for it, showing nothing more
  QTest::qWait(20);
}

TEST_F(OrbiskWindow, ADroppedFileGoesIntoTheFileNameBox) {
  const fs::path first = folder.path() / "first.dat", last = folder.path() / "last.dat";
  ASSERT_TRUE(base::writeFileAtomically(first, zeros(10)));
  ASSERT_TRUE(base::writeFileAtomically(last, zeros(10)));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(ui::fromPath(first)), QUrl::fromLocalFile(ui::fromPath(last))});
  const QPoint middle = window.rect().center();
  QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent dropped(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &dropped);
  EXPECT_EQ(control<QLineEdit>("FileNameEdit")->text(), ui::fromPath(last));
}

}  // namespace
