// scalepaint's window as the person meets it: caption, controls and menus under their design
// names, the grid's rows, the menu actions on the grid, the source field, MAKE, PreView drawn
// on the background, a dropped file and the older build's differences.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "fishfile/system_palette.hpp"
#include "support/window_support.hpp"
#include "samples/samples.hpp"
#include "scalepaint/preview_png.hpp"
#include "scalepaint/window.hpp"
#include "support/test_folder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/scripted_ui.hpp"
#include "ui/wrote.hpp"

namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

class ScalepaintWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    auto fish = samples::sampleFish();
    ASSERT_TRUE(fish);
    sample = *fish;
    source = folder.path() / "sample.fsh";
    ASSERT_TRUE(base::writeFileAtomically(source, sample));
  }
  template <class T>
  T* control(QWidget& window, const char* name) {
    return test::findControl<T>(window, name);
  }
  QAction* entry(QWidget& window, const char* name) { return control<QAction>(window, name); }
  QTableWidget* grid(QWidget& window) { return control<QTableWidget>(window, "vaSpread1"); }
  void click(QWidget& window, const char* name) { QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton); }
  // MAKE runs on a worker thread: this waits until its result shows.
  void make(scalepaint::Window& window) {
    click(window, "Command1");
    EXPECT_TRUE(window.waitUntilIdle());
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  base::Bytes sample;
  fs::path source;
};

TEST_F(ScalepaintWindow, HasItsControlsAndMenus) {
  scalepaint::Window window(ui, folder.path());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ScalePainter      Ver 0.6.0"));
  EXPECT_EQ(control<QLabel>(window, "Label2")->text(), QStringLiteral("Source"));
  EXPECT_EQ(control<QLabel>(window, "Label1")->text(), QString());
  EXPECT_EQ(control<QLabel>(window, "Label3")->text(), QStringLiteral("Destinate"));
  EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), ui::fromPath(folder.path() / "temp.tqn"));
  EXPECT_EQ(control<QPushButton>(window, "Command1")->text(), QStringLiteral("MAKE"));
  EXPECT_EQ(control<QPushButton>(window, "Command2")->text(), QStringLiteral("PreView"));

  QTableWidget* table = grid(window);
  ASSERT_EQ(table->rowCount(), 256);
  ASSERT_EQ(table->columnCount(), 1);
  EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Palette"));
  EXPECT_EQ(table->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
  EXPECT_EQ(table->model()->headerData(255, Qt::Vertical).toString(), QStringLiteral("256"));
  for (int r = 0; r < 256; ++r) ASSERT_EQ(table->item(r, 0)->text(), QString::number(r));

  auto entries = [&](const char* menu) {
    QStringList names;
    for (QAction* action : control<QMenu>(window, menu)->actions())
      names << action->objectName() + '=' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    return names;
  };
  EXPECT_EQ(control<QMenu>(window, "mnuFile")->title(), QStringLiteral("FILE"));
  EXPECT_EQ(entries("mnuFile"), (QStringList{"mnuFileBar1=-", "mnuFileOpen=OPEN", "mnuFileSave=SAVE", "mnuRecent=&Recent",
                                             "mnuFileBar2=-",
                                             "mnuFileEnd=END"}));
  EXPECT_EQ(control<QMenu>(window, "mnuEdit")->title(), QStringLiteral("EDIT"));
  EXPECT_EQ(entries("mnuEdit"), (QStringList{"mnuEditInit=INIT", "mnuEditFill=FILL", "mnuEditBar1=-", "mnuEditUndo=Undo",
                                             "mnuEditRedo=Redo"}));
  control<QAction>(window, "mnuCodePage1252")->trigger();  // PreView's kind name is read in Western
  EXPECT_EQ(window.flow().codePage(), base::CodePage::Cp1252);
}

TEST_F(ScalepaintWindow, TheOlderBuildHasNoPreView) {
  scalepaint::Window window(ui, folder.path(), scalepaint::kEdition045);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ScalePainter      Ver 0.4.5"));
  EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("Command2")), nullptr);
  EXPECT_EQ(grid(window)->font().family(), QStringLiteral("Tahoma"));
  ui.openAnswers = {std::nullopt};
  QTest::mouseClick(control<QLabel>(window, "Label1"), Qt::LeftButton);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].filter, "Aquarium (*.tqn)|*.tqn");
}

TEST_F(ScalepaintWindow, EditFillAndInitActOnTheGrid) {
  scalepaint::Window window(ui, folder.path());
  QTableWidget* table = grid(window);
  table->item(0, 0)->setText(QStringLiteral("7.50"));
  entry(window, "mnuEditFill")->trigger();
  for (int r = 0; r < 256; ++r) ASSERT_EQ(table->item(r, 0)->text(), QStringLiteral("7.5"));
  entry(window, "mnuEditInit")->trigger();
  for (int r = 0; r < 256; ++r) ASSERT_EQ(table->item(r, 0)->text(), QString::number(r));

  // A cell being typed counts as soon as an action reads the grid.
  window.show();
  table->setCurrentCell(0, 0);
  table->editItem(table->item(0, 0));
  auto* editor = table->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("12abc"));
  entry(window, "mnuEditFill")->trigger();
  EXPECT_EQ(table->item(255, 0)->text(), QStringLiteral("12"));
}

// A cell holds a palette index: its editor refuses a keystroke that leaves 0 to 255.
TEST_F(ScalepaintWindow, APaletteCellRefusesAKeystrokeOutsideItsRange) {
  scalepaint::Window window(ui, folder.path());
  window.show();
  QTableWidget* table = grid(window);
  table->setCurrentCell(3, 0);
  table->editItem(table->item(3, 0));
  auto* editor = table->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->clear();
  QTest::keyClicks(editor, QStringLiteral("300x"));
  EXPECT_EQ(editor->text(), QStringLiteral("30"));
  EXPECT_TRUE(table->toolTip().contains(QStringLiteral("0 to 255")));
}

TEST_F(ScalepaintWindow, SaveAndOpenThroughTheMenu) {
  scalepaint::Window window(ui, folder.path());
  QTableWidget* table = grid(window);
  const fs::path file = folder.path() / "pal.dat";
  table->item(5, 0)->setText(QStringLiteral("3.7"));
  ui.saveAnswers = {file};
  entry(window, "mnuFileSave")->trigger();
  ASSERT_TRUE(fs::exists(file));
  entry(window, "mnuEditInit")->trigger();
  EXPECT_EQ(table->item(5, 0)->text(), QStringLiteral("5"));
  ui.openAnswers = {file};
  entry(window, "mnuFileOpen")->trigger();
  EXPECT_EQ(table->item(5, 0)->text(), QStringLiteral("4"));
  EXPECT_TRUE(ui.messages.empty());
}

// Each change of the grid is one step to undo: a typed cell, FILL, INIT. Beside each row the
// colour of its index and the colour it becomes.
TEST_F(ScalepaintWindow, UndoStepsBackThroughTheGridAndRowsShowTheirColours) {
  scalepaint::Window window(ui, folder.path());
  QTableWidget* table = grid(window);
  QAction* undo = entry(window, "mnuEditUndo");
  QAction* redo = entry(window, "mnuEditRedo");
  auto column = [&] {
    QStringList cells;
    for (int r = 0; r < 256; ++r) cells << table->item(r, 0)->text();
    return cells;
  };
  const QStringList start = column();
  EXPECT_FALSE(undo->isEnabled());
  table->item(0, 0)->setText(QStringLiteral("7"));
  const QStringList typed = column();
  entry(window, "mnuEditFill")->trigger();
  EXPECT_EQ(column(), QStringList(256, QStringLiteral("7")));
  undo->trigger();
  EXPECT_EQ(column(), typed);
  undo->trigger();
  EXPECT_EQ(column(), start);
  EXPECT_FALSE(undo->isEnabled());
  redo->trigger();
  redo->trigger();
  EXPECT_EQ(column(), QStringList(256, QStringLiteral("7")));
  entry(window, "mnuEditInit")->trigger();
  EXPECT_EQ(column(), start);
  EXPECT_EQ(undo->text(), QStringLiteral("Undo INIT"));

  // Row 6 is index 5; typed 12, it shows index 5's colour and then index 12's.
  table->item(5, 0)->setText(QStringLiteral("12"));
  const QImage swatches = table->item(5, 0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
  ASSERT_FALSE(swatches.isNull());
  auto colour = [](std::size_t index) {
    const base::Rgb& rgb = fishfile::systemPalette()[index];
    return qRgb(rgb.red, rgb.green, rgb.blue);
  };
  const int middle = swatches.height() / 2;
  EXPECT_EQ(swatches.pixel(3, middle), colour(5));
  EXPECT_EQ(swatches.pixel(swatches.width() - 4, middle), colour(12));
  table->item(5, 0)->setText(QStringLiteral("300"));
  EXPECT_TRUE(table->item(5, 0)->toolTip().contains(QStringLiteral("not a palette index")));

  // The grid grows with the window.
  window.show();
  const int rowsShown = table->rowAt(table->viewport()->height() - 1);
  window.resize(window.width() + 100, window.height() + 300);
  QApplication::processEvents();
  EXPECT_GT(table->rowAt(table->viewport()->height() - 1), rowsShown + 10);
}

// A changed table is never dropped without asking; OPEN and SAVE say what they did.
TEST_F(ScalepaintWindow, AChangedTableIsAskedForAndOpenAndSaveSayWhatTheyDid) {
  scalepaint::Window window(ui, folder.path());
  window.show();
  window.close();
  EXPECT_TRUE(ui.questions.empty());  // nothing changed, nothing to ask
  window.show();
  grid(window)->item(5, 0)->setText(QStringLiteral("3"));
  ui.questionAnswers = {ui::Answer::Cancel, ui::Answer::Yes};
  entry(window, "mnuFileEnd")->trigger();
  EXPECT_TRUE(window.isVisible());
  entry(window, "mnuFileEnd")->trigger();  // Yes, and then no file chosen
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(ui.questions[0], "The palette table has changes that were not saved. Save them before closing?");

  const fs::path file = folder.path() / "pal.dat";
  ui.questionAnswers = {ui::Answer::Yes};
  ui.saveAnswers = {file};
  entry(window, "mnuFileEnd")->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(fs::exists(file));
  QLabel* status = control<QLabel>(window, "StatusText");
  const std::string shownFolder = base::displayPath(folder.path());
  EXPECT_EQ(status->text().toStdString(), ui::wroteInText("pal.dat", shownFolder, "256 palette entries"));

  window.show();
  entry(window, "mnuEditUndo")->trigger();
  ui.questionAnswers = {ui::Answer::No};
  ui.openAnswers = {file};
  entry(window, "mnuFileOpen")->trigger();
  EXPECT_EQ(ui.questions.size(), 4u);
  EXPECT_EQ(grid(window)->item(5, 0)->text(), QStringLiteral("3"));
  EXPECT_EQ(status->text().toStdString(), "Opened pal.dat in " + shownFolder + ": 256 entries, 1 row changed");
  window.close();
  EXPECT_EQ(ui.questions.size(), 4u);
}

TEST_F(ScalepaintWindow, MakeWritesWhereText1Says) {
  scalepaint::Window window(ui, folder.path());
  make(window);
  EXPECT_EQ(ui.messages, Messages{"Source Aquarium ?"});

  ui.openAnswers = {source};
  QTest::mouseClick(control<QLabel>(window, "Label1"), Qt::LeftButton);
  EXPECT_EQ(control<QLabel>(window, "Label1")->text(), ui::fromPath(source));
  EXPECT_EQ(ui.dialogs.back().filter, "Aquarium(*.tqn)|*.tqn|Fish(*.fsh)|*.fsh|All(*.*)|*.*|");

  const fs::path out = folder.path() / "blue.fsh";
  control<QLineEdit>(window, "Text1")->setText(ui::fromPath(out));
  grid(window)->item(1, 0)->setText(QStringLiteral("300"));
  make(window);
  EXPECT_EQ(ui.messages.back(), "Row 2 of the palette holds \"300\": every entry must be a whole number from 0 to 255.");
  EXPECT_FALSE(fs::exists(out));
  grid(window)->item(1, 0)->setText(QStringLiteral("1"));
  make(window);
  auto written = base::readFile(out, 1 << 22);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, sample);
  EXPECT_EQ(control<QLabel>(window, "StatusText")->text().toStdString(),
            ui::wroteInText("blue.fsh", base::displayPath(folder.path()),
                            base::strcat("4 animation sets recoloured, ", base::withThousands(sample.size()), " bytes")));
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(ScalepaintWindow, PreViewDrawsOnTheBackground) {
  scalepaint::Window window(ui, folder.path());
  window.show();
  click(window, "Command2");
  EXPECT_EQ(ui.messages, Messages{"Source Aquarium ?"});
  EXPECT_TRUE(window.surface()->drawing().isNull());

  window.setSource(source);
  click(window, "Command2");
  const QImage drawing = window.surface()->drawing();
  ASSERT_FALSE(drawing.isNull());
  EXPECT_EQ(drawing.size(), QSize(350, 350));
  // A drawn drawing pixel covers its box of the surface: sx = width / 350, sy = height / 350.
  QPoint drawn(-1, -1);
  for (int y = 0; y < 350 && drawn.x() < 0; ++y)
    for (int x = 0; x < 350 && drawn.x() < 0; ++x)
      if (qAlpha(drawing.pixel(x, y)) != 0) drawn = {x, y};
  ASSERT_GE(drawn.x(), 122);
  ASSERT_GE(drawn.y(), 102);
  const QImage picture = window.surface()->grab().toImage();
  const double sx = window.surface()->width() / 350.0, sy = window.surface()->height() / 350.0;
  const QPoint centre(static_cast<int>((drawn.x() + 0.5) * sx), static_cast<int>((drawn.y() + 0.5) * sy));
  EXPECT_EQ(picture.pixelColor(centre).rgb(), drawing.pixel(drawn) | 0xFF000000u);
  EXPECT_EQ(control<QLabel>(window, "StatusText")->text(),
            QStringLiteral("First frame: 96 × 64 pixels, kind \"Sample Goldfish\""));

  // Every index to 0 draws nothing.
  for (int r = 0; r < 256; ++r) grid(window)->item(r, 0)->setText(QStringLiteral("0"));
  click(window, "Command2");
  const QImage empty = window.surface()->drawing();
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 350; ++x) ASSERT_EQ(qAlpha(empty.pixel(x, y)), 0);
}

TEST_F(ScalepaintWindow, PreviewPngIsTheDrawingOnWhite) {
  const auto drawing = scalepaint::drawPreview(scalepaint::locatePreview(sample), scalepaint::identityTable());
  const fs::path png = folder.path() / "fish.png";
  ASSERT_TRUE(scalepaint::writePreviewPng(drawing, png));
  QImage picture(ui::fromPath(png));
  ASSERT_EQ(picture.size(), QSize(350, 350));
  std::size_t coloured = 0;
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 350; ++x) {
      const std::uint32_t drawn = drawing.at(x, y);
      const QRgb expected = (drawn >> 24) != 0 ? drawn : 0xFFFFFFFFu;
      ASSERT_EQ(picture.pixel(x, y), expected) << x << ", " << y;
      coloured += (drawn >> 24) != 0;
    }
  EXPECT_EQ(coloured, drawing.drawn);
}

TEST_F(ScalepaintWindow, ADroppedFileBecomesTheSourceAndEndCloses) {
  scalepaint::Window window(ui, folder.path());
  window.show();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(ui::fromPath(source))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_EQ(control<QLabel>(window, "Label1")->text(), ui::fromPath(source));
  entry(window, "mnuFileEnd")->trigger();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
