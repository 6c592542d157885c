// Windows at double scale on a screen 1000 pixels high (500 at that scale): the tallest dialog
// must still show its buttons, its boxes scrolling above them; a dialog that fits is left as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "netkeeper/water_dialog.hpp"
#include "support/test_folder.hpp"
#include "support/window_fonts.hpp"
#include "support/window_support.hpp"
#include "ui/qt/fit_screen.hpp"
#include "ui/qt/window_app.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(FitOnScreen, TheWaterDialogScrollsAtDoubleScaleAndASmallDialogStaysAsItWas) {
  const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(free.height(), 500);  // 1000 device pixels at scale 2

  test::TempFolder folder;
  base::Bytes tank(3000, 0x55);
  const tankfile::WaterValues values = {60000, 26500, 7000, 4000, 474000, 0, 0, 100, 0, 2520000, 600000, 0, 0, 0, 0};
  base::putU32(tank.data() + 100, 60);  // a water block, of the version its temperature gives
  for (std::size_t k = 0; k < values.size(); ++k) base::putU32(tank.data() + 104 + 4 * k, values[k]);
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "lake.tqn", tank));
  ui::ScriptedUi ui;
  netkeeper::Water water(ui);
  auto state = water.load(folder.path() / "lake.tqn");
  ASSERT_TRUE(state);
  netkeeper::WaterSettingsDialog dialog(water, *state, folder.path());
  ASSERT_GT(dialog.sizeHint().height(), free.height());  // the case worth testing
  dialog.show();
  EXPECT_LE(dialog.frameGeometry().height(), free.height());
  EXPECT_LE(dialog.frameGeometry().width(), free.width());
  auto* area = dialog.findChild<QScrollArea*>(QStringLiteral("fittedContent"));
  ASSERT_NE(area, nullptr);
  auto* update = test::findControl<QPushButton>(dialog, "cmdUpdate");
  EXPECT_FALSE(area->isAncestorOf(update));  // the buttons stay in sight below the scrolling
  const QRect shown(update->mapTo(&dialog, QPoint(0, 0)), update->size());
  EXPECT_TRUE(dialog.rect().contains(shown)) << shown.y() << " in " << dialog.height();

  QDialog small;
  auto* layout = new QVBoxLayout(&small);
  layout->addWidget(new QLabel(QStringLiteral("Fits")));
  layout->addWidget(new QPushButton(QStringLiteral("OK")));
  small.show();
  EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
  EXPECT_EQ(small.size(), small.sizeHint());
}

}  // namespace

int main(int argc, char** argv) {
  // One screen of 1600 × 1000 pixels at double scale, offscreen.
  QTemporaryDir folder;
  const QString config = folder.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1600, "height": 1000,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  test::useFontsBesideTheTests(argv[0]);
  // The platform's options are split at colons, so the file is named relative to the current
  // folder: a Windows path would break at its drive letter.
  const QString startFolder = QDir::currentPath();
  QDir::setCurrent(folder.path());
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screen.json");
  qputenv("QT_SCALE_FACTOR", "2");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QDir::setCurrent(startFolder);
  ui::useJapaneseCapableFont();  // as the programs start: the font sets the dialog's height
  ui::fitEveryWindowOnScreen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
