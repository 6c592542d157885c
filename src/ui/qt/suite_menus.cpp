#include "ui/qt/suite_menus.hpp"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QWidget>

#include "ui/language.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/remembered.hpp"

namespace ui {

namespace {

const QString kRecentKey = QStringLiteral("recent");
bool recording = true;

QString cleaned(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

void store(const QList<RecentFile>& files) {
  QSettings settings = programSettings();
  settings.remove(kRecentKey);
  settings.beginWriteArray(kRecentKey, static_cast<int>(files.size()));
  for (int i = 0; i < files.size(); ++i) {
    settings.setArrayIndex(i);
    settings.setValue(QStringLiteral("path"), files[i].path);
    settings.setValue(QStringLiteral("kind"), files[i].kind);
  }
  settings.endArray();
}

// A path as a menu shows it: native separators, the middle left out when long, and its
// ampersands kept from becoming shortcuts.
QString shownPath(const QMenu& menu, const QString& path) {
  const QFontMetrics metrics(menu.font());
  QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, metrics.averageCharWidth() * 60);
  return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void fillRecentMenu(QMenu* menu, RecentFiles& recent, const OpenRecent& open, const RecentKindName& kindName) {
  // The entries are made anew each time: the files may have come or gone, the language changed.
  for (QAction* action : menu->actions())
    if (action->objectName() != QLatin1String("mnuRecentClear")) {
      menu->removeAction(action);
      action->deleteLater();
    }
  QAction* clear = menu->findChild<QAction*>(QStringLiteral("mnuRecentClear"));
  QAction* bar = menu->insertSeparator(clear);
  const QList<RecentFile> files = recent.files();
  if (files.isEmpty()) {
    QAction* none = new QAction(translatedText("No recent files"), menu);
    none->setEnabled(false);
    menu->insertAction(bar, none);
  }
  int number = 0;
  for (const RecentFile& file : files) {
    QString text = QStringLiteral("&%1 ").arg(++number);
    const QString kind = kindName && !file.kind.isEmpty() ? kindName(file.kind) : QString();
    if (!kind.isEmpty()) text += QString::fromStdString(translated(kind.toStdString())).replace(QLatin1Char('&'), QStringLiteral("&&")) + QStringLiteral(": ");
    text += shownPath(*menu, file.path);
    QAction* entry = new QAction(text, menu);
    entry->setToolTip(QDir::toNativeSeparators(file.path));
    if (!recentFileExists(file)) {
      entry->setEnabled(false);  // greyed, for the disk it was on may come back
      entry->setToolTip(translatedText("This file is no longer there.") + QLatin1Char('\n') + entry->toolTip());
    }
    QObject::connect(entry, &QAction::triggered, menu, [open, file] { open(file); });
    menu->insertAction(bar, entry);
  }
}

}  // namespace

QList<RecentFile> RecentFiles::files() const {
  QSettings settings = programSettings();
  QList<RecentFile> files;
  const int count = settings.beginReadArray(kRecentKey);
  for (int i = 0; i < count && files.size() < kKept; ++i) {
    settings.setArrayIndex(i);
    RecentFile file{settings.value(QStringLiteral("path")).toString(), settings.value(QStringLiteral("kind")).toString()};
    if (!file.path.isEmpty() && !files.contains(file)) files.append(file);
  }
  settings.endArray();
  return files;
}

void RecentFiles::add(const QString& path, const QString& kind) {
  if (path.isEmpty() || !recording) return;
  const RecentFile added{cleaned(path), kind};
  QList<RecentFile> kept = files();
  kept.removeAll(added);
  kept.prepend(added);
  while (kept.size() > kKept) kept.removeLast();
  store(kept);
}

void RecentFiles::add(const std::filesystem::path& path, const QString& kind) { add(fromPath(path), kind); }

void RecentFiles::clear() { store({}); }

void RecentFiles::setRecording(bool on) { recording = on; }

bool recentFileExists(const RecentFile& file) { return QFileInfo::exists(file.path); }

QMenuBar* addMenuBar(QWidget* window) {
  auto* bar = new QMenuBar(window);
  bar->setObjectName(QStringLiteral("mnuBar"));
  window->layout()->setMenuBar(bar);
  return bar;
}

QMenu* addRecentMenu(QMenu* fileMenu, RecentFiles& recent, OpenRecent open, RecentKindName kindName, QAction* before) {
  auto* menu = new QMenu(fileMenu);
  menu->setObjectName(QStringLiteral("mnuRecent"));
  menu->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
  setDesignedText(menu, QStringLiteral("&Recent"));
  menu->setToolTipsVisible(true);
  QAction* clear = menu->addAction(QString());
  clear->setObjectName(QStringLiteral("mnuRecentClear"));
  setDesignedText(clear, QStringLiteral("&Clear"));
  QObject::connect(clear, &QAction::triggered, menu, [&recent] { recent.clear(); });
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &recent, open = std::move(open), kindName = std::move(kindName)] {
    fillRecentMenu(menu, recent, open, kindName);
  });
  fileMenu->insertMenu(before, menu);
  return menu;
}

QMenu* addLanguageMenu(QMenuBar* bar, QMenu* before) {
  auto* menu = new QMenu(bar);
  menu->setObjectName(QStringLiteral("mnuLanguage"));
  setDesignedText(menu, QStringLiteral("&Language"));
  auto* group = new QActionGroup(menu);
  const struct {
    const char* name;
    const char* text;
    Language language;
  } entries[] = {{"mnuLanguageAsDesigned", "&As designed", Language::AsDesigned},
                 {"mnuLanguageEnglish", "&English", Language::English}};
  for (const auto& [name, text, chosen] : entries) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    setDesignedText(action, QString::fromLatin1(text));
    action->setCheckable(true);
    action->setChecked(language() == chosen);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [language = chosen] { switchLanguage(language); });
  }
  // Another window of the program, or --language, may have chosen since.
  QObject::connect(menu, &QMenu::aboutToShow, menu, [group] {
    for (QAction* action : group->actions())
      action->setChecked((action->objectName() == QLatin1String("mnuLanguageEnglish")) == (language() == Language::English));
  });
  bar->insertMenu(before ? before->menuAction() : nullptr, menu);
  return menu;
}

void addSuiteMenus(QMenuBar* bar, QMenu* fileMenu, RecentFiles& recent, OpenRecent open, RecentKindName kindName) {
  if (!fileMenu) {
    fileMenu = new QMenu(bar);
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    setDesignedText(fileMenu, QStringLiteral("&File"));
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.first(), fileMenu);
  }
  addRecentMenu(fileMenu, recent, std::move(open), std::move(kindName));
  addLanguageMenu(bar, bar->findChild<QMenu*>(QStringLiteral("mnuHelp"), Qt::FindDirectChildrenOnly));
}

QUndoStack* addUndoEntries(QMenu* editMenu, QObject* owner) {
  auto* stack = new QUndoStack(owner);
  QAction* undo = stack->createUndoAction(editMenu, QStringLiteral("Undo"));
  undo->setObjectName(QStringLiteral("mnuEditUndo"));
  undo->setShortcuts(QKeySequence::Undo);
  editMenu->addAction(undo);
  QAction* redo = stack->createRedoAction(editMenu, QStringLiteral("Redo"));
  redo->setObjectName(QStringLiteral("mnuEditRedo"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  editMenu->addAction(redo);
  return stack;
}

}  // namespace ui
