// Every text the ten windows and netkeeper's dialogs show has an English rendering in the
// catalogue, and switching the language renders an open window at once.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "fernwright/window.hpp"
#include "finsplit/window.hpp"
#include "finwright/preview_window.hpp"
#include "finwright/window.hpp"
#include "gritpress/window.hpp"
#include "gritwright/window.hpp"
#include "netkeeper/dialogs.hpp"
#include "netkeeper/option_dialog.hpp"
#include "netkeeper/water_dialog.hpp"
#include "netkeeper/window.hpp"
#include "netkeeper2/window.hpp"
#include "orbisk/window.hpp"
#include "pelletry/window.hpp"
#include "samples/samples.hpp"
#include "samples/tank.hpp"
#include "scalepaint/window.hpp"
#include "support/window_support.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/language.hpp"
#include "ui/qt/language_switch.hpp"

namespace {

// A text worth a catalogue entry: one with a letter in it that is not a path.
bool isWording(const QString& text) {
  if (text.trimmed().isEmpty() || QDir::isAbsolutePath(text)) return false;
  return std::ranges::any_of(text, [](QChar c) { return c.isLetter(); });
}

void collect(const QString& text, QSet<QString>& into) {
  if (isWording(text)) into.insert(text);
}

// The window's title and every caption, menu, tooltip and header in it.
QSet<QString> textsOf(QWidget& window) {
  QSet<QString> texts;
  collect(window.windowTitle(), texts);
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    if (widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (auto* label = qobject_cast<QLabel*>(widget)) collect(label->text(), texts);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) collect(button->text(), texts);
    if (auto* group = qobject_cast<QGroupBox*>(widget)) collect(group->title(), texts);
    if (auto* menu = qobject_cast<QMenu*>(widget)) collect(menu->title(), texts);
    if (auto* table = qobject_cast<QTableWidget*>(widget))
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)) collect(table->horizontalHeaderItem(c)->text(), texts);
    if (auto* tree = qobject_cast<QTreeWidget*>(widget))
      for (int c = 0; c < tree->columnCount(); ++c) collect(tree->headerItem()->text(c), texts);
    collect(widget->toolTip(), texts);
    for (QAction* action : widget->actions()) collect(action->text(), texts);
  }
  for (QAction* action : window.findChildren<QAction*>()) collect(action->text(), texts);
  return texts;
}

// The texts without an English rendering, one a line, ready to be added to the catalogue.
std::string untranslated(QWidget& window) {
  QStringList missing;
  for (const QString& text : textsOf(window))
    if (!ui::englishOf(text.toStdString())) missing << QStringLiteral("  \"%1\"").arg(text);
  missing.sort();
  return missing.join(QLatin1Char('\n')).toStdString();
}

#define EXPECT_ALL_TRANSLATED(window) \
  EXPECT_EQ(untranslated(window), "") << "these texts of " #window " have no entry in translations/brinkit_en.ts"

TEST(LanguageWindowTest, EveryWindowTextHasAnEnglishRendering) {
  QTemporaryDir folder;
  const std::filesystem::path here = folder.path().toStdString();
  ASSERT_TRUE(samples::writeTank(here / "lake.tqn"));

  finsplit::Window finsplit(here);
  EXPECT_ALL_TRANSLATED(finsplit);
  finwright::Window finwright(here);
  EXPECT_ALL_TRANSLATED(finwright);
  finwright.setImageFolder(here);  // no frames in it: every one marked
  finwright.preview();
  ASSERT_TRUE(finwright.previewWindow());
  EXPECT_ALL_TRANSLATED(*finwright.previewWindow());
  fernwright::Window fernwright;
  EXPECT_ALL_TRANSLATED(fernwright);
  gritwright::Window gritwright(here);
  EXPECT_ALL_TRANSLATED(gritwright);
  gritpress::Window gritpress;
  EXPECT_ALL_TRANSLATED(gritpress);
  orbisk::Window orbisk(here);
  EXPECT_ALL_TRANSLATED(orbisk);
  netkeeper2::Window netkeeper2(here);
  EXPECT_ALL_TRANSLATED(netkeeper2);
  scalepaint::Window scalepaint(here);
  EXPECT_ALL_TRANSLATED(scalepaint);
  ASSERT_TRUE(samples::writeFish(here / "sample.fsh"));
  scalepaint.setSource(here / "sample.fsh");
  scalepaint.preview();
  ASSERT_TRUE(scalepaint.animationPlayer());
  EXPECT_ALL_TRANSLATED(*scalepaint.animationPlayer()->window());
  pelletry::Window pelletry;
  EXPECT_ALL_TRANSLATED(pelletry);

  netkeeper::Window netkeeper(here);
  EXPECT_ALL_TRANSLATED(netkeeper);
  ASSERT_TRUE(netkeeper.selectFile(QStringLiteral("lake.tqn")));
  auto fish = netkeeper.fishDialog();
  ASSERT_TRUE(fish);
  EXPECT_ALL_TRANSLATED(*fish);
  auto splicing = netkeeper.splicingDialog();
  ASSERT_TRUE(splicing);
  EXPECT_ALL_TRANSLATED(*splicing);
  auto option = netkeeper.optionDialog();
  ASSERT_TRUE(option);
  EXPECT_ALL_TRANSLATED(*option);
  netkeeper.setTankMode(true);
  ASSERT_TRUE(netkeeper.selectFile(QStringLiteral("lake.tqn")));
  auto water = netkeeper.waterDialog();
  ASSERT_TRUE(water);
  EXPECT_ALL_TRANSLATED(*water);
}

TEST(LanguageWindowTest, SwitchingRendersAnOpenWindowAtOnceAndBack) {
  gritpress::Window window;
  window.show();
  auto* output = window.findChild<QAbstractButton*>(QStringLiteral("cmd_OFile_1"));
  auto* top = window.findChild<QLabel*>(QStringLiteral("lbl_Top"));
  ASSERT_TRUE(output && top);
  ASSERT_EQ(output->text(), QStringLiteral("出力"));

  ui::switchLanguage(ui::Language::English);
  EXPECT_EQ(output->text(), QStringLiteral("Output"));
  EXPECT_EQ(top->text(), QStringLiteral("Top view"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("TQ GritPress"));
  EXPECT_EQ(ui::rememberedLanguage(), ui::Language::English);

  ui::switchLanguage(ui::Language::AsDesigned);
  EXPECT_EQ(output->text(), QStringLiteral("出力"));
  EXPECT_EQ(top->text(), QStringLiteral("上面"));
  EXPECT_EQ(ui::rememberedLanguage(), ui::Language::AsDesigned);
}

}  // namespace
