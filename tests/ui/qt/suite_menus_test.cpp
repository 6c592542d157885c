// The menus every program shares: File › Recent keeps the last eight files, most recent first,
// greys those gone and opens the chosen one; Language ticks one language and switches to it.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

#include "support/test_folder.hpp"
#include "support/window_support.hpp"
#include "ui/language.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace {

// The entries of the Recent menu as it opens: their texts, and which of them can be chosen.
QList<QAction*> shownEntries(QMenu* menu) {
  emit menu->aboutToShow();
  QList<QAction*> entries;
  for (QAction* action : menu->actions())
    if (!action->isSeparator() && action->objectName().isEmpty()) entries.append(action);
  return entries;
}

TEST(SuiteMenus, RecentKeepsTheLastEightMostRecentFirstAndOpensTheChosenOne) {
  test::TempFolder folder;
  ui::RecentFiles recent;
  recent.clear();
  QStringList paths;
  for (int i = 0; i < 10; ++i) {
    paths << ui::fromPath(folder.path() / ("tank" + std::to_string(i) + ".tqn"));
    QFile file(paths.back());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    recent.add(paths.back(), i == 9 ? QStringLiteral("side") : QString());
  }
  recent.add(paths[5]);  // opened again: moves up, not in twice
  // Kept in Qt's form, with '/' on every system; shown with the system's separators.
  const auto kept = [&paths](int i) { return QDir::fromNativeSeparators(paths[i]); };
  QList<QString> list;
  for (const ui::RecentFile& file : recent.files()) list << file.path;
  EXPECT_EQ(list, (QList<QString>{kept(5), kept(9), kept(8), kept(7), kept(6), kept(4), kept(3), kept(2)}));
  EXPECT_EQ(recent.files()[1].kind, QStringLiteral("side"));

  QWidget window;
  new QVBoxLayout(&window);
  QList<ui::RecentFile> opened;
  ui::addSuiteMenus(
      ui::addMenuBar(&window), nullptr, recent, [&opened](const ui::RecentFile& file) { opened << file; },
      [](const QString& kind) { return kind == QLatin1String("side") ? QStringLiteral("Side") : QString(); });
  auto* file = test::findControl<QMenu>(window, "mnuFile");
  auto* menu = test::findControl<QMenu>(window, "mnuRecent");
  ASSERT_TRUE(file && menu);
  EXPECT_EQ(file->actions().first()->menu(), menu);

  // A file gone shows greyed; the others can be chosen, numbered, with their kind.
  ASSERT_TRUE(QFile::remove(paths[8]));
  QList<QAction*> entries = shownEntries(menu);
  ASSERT_EQ(entries.size(), 8);
  EXPECT_TRUE(entries[1]->text().startsWith(QStringLiteral("&2 Side: "))) << entries[1]->text().toStdString();
  EXPECT_TRUE(entries[0]->text().endsWith(QStringLiteral("tank5.tqn")));
  EXPECT_FALSE(entries[2]->isEnabled());
  EXPECT_TRUE(entries[3]->isEnabled());
  entries[1]->trigger();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], (ui::RecentFile{kept(9), QStringLiteral("side")}));

  // Clear empties the list for good.
  test::findControl<QAction>(window, "mnuRecentClear")->trigger();
  EXPECT_TRUE(recent.files().isEmpty());
  entries = shownEntries(menu);
  ASSERT_EQ(entries.size(), 1);
  EXPECT_FALSE(entries[0]->isEnabled());  // "No recent files"
}

TEST(SuiteMenus, LanguageTicksTheLanguageInUseAndSwitches) {
  QWidget window;
  new QVBoxLayout(&window);
  ui::RecentFiles recent;
  ui::addSuiteMenus(ui::addMenuBar(&window), nullptr, recent, [](const ui::RecentFile&) {});
  auto* designed = test::findControl<QAction>(window, "mnuLanguageAsDesigned");
  auto* english = test::findControl<QAction>(window, "mnuLanguageEnglish");
  ASSERT_TRUE(designed && english);
  EXPECT_TRUE(designed->isChecked());
  EXPECT_FALSE(english->isChecked());
  english->trigger();
  EXPECT_EQ(ui::language(), ui::Language::English);
  EXPECT_FALSE(designed->isChecked());
  designed->trigger();
  EXPECT_EQ(ui::language(), ui::Language::AsDesigned);
  EXPECT_TRUE(designed->isChecked());
}

}  // namespace
