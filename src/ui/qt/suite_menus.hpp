#pragma once
// The menus every program of the suite shares: File › Recent (the last files opened, per
// program) and Language. A window adds them in a few lines:
//
//   QMenuBar* bar = ui::addMenuBar(this);      // a window without a bar of its own
//   ui::addSuiteMenus(bar, nullptr, recent_, [this](const ui::RecentFile& file) { open(file); });
//   …
//   recent_.add(path);                         // wherever a file was opened: dialog, drop, option
#include <QList>
#include <QString>
#include <filesystem>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QUndoStack;
class QWidget;

namespace ui {

// A file (or folder) opened earlier. kind says which of the window's openings it went to
// ("top", "side" …), empty in a window that opens one kind of thing only.
struct RecentFile {
  QString path;
  QString kind;
  bool operator==(const RecentFile&) const = default;
};

// The program's recent files, most recent first, kept with its remembered folders. Every call
// reads and writes the settings, so two windows of one program share the list.
class RecentFiles {
 public:
  static constexpr int kKept = 8;

  QList<RecentFile> files() const;
  // Puts the file first; the same path and kind given again moves up rather than repeating,
  // and the ninth falls off.
  void add(const QString& path, const QString& kind = {});
  void add(const std::filesystem::path& path, const QString& kind = {});
  void clear();

  // Off for a run that only looks (--screenshot, --describe): what it opens is not recorded.
  static void setRecording(bool recording);
};

// Whether a recent file (or folder) is still there; a gone one shows greyed.
bool recentFileExists(const RecentFile& file);

using OpenRecent = std::function<void(const RecentFile&)>;
// The caption a kind shows with, as designed (translated when shown); empty for none.
using RecentKindName = std::function<QString(const QString& kind)>;

// Gives a window that has no menu bar one, on top of its layout, so that no control moves
// relative to the others. The window must have its layout already.
QMenuBar* addMenuBar(QWidget* window);

// Adds the "Recent" submenu (mnuRecent, its "Clear" mnuRecentClear) to fileMenu, before
// `before` when given. Its entries are built as it opens: the eight files with their numbers,
// those gone greyed; choosing one calls open.
QMenu* addRecentMenu(QMenu* fileMenu, RecentFiles& recent, OpenRecent open, RecentKindName kindName = {},
                     QAction* before = nullptr);

// Adds "Language" (mnuLanguage) with the exclusive entries "As designed" and "English"
// (mnuLanguageAsDesigned, mnuLanguageEnglish), before the bar's menu `before` when given.
QMenu* addLanguageMenu(QMenuBar* bar, QMenu* before = nullptr);

// Both: File › Recent in fileMenu, or in a "File" menu (mnuFile) made first on the bar when
// fileMenu is null, and Language on the bar, before a Help menu (mnuHelp) when it has one.
void addSuiteMenus(QMenuBar* bar, QMenu* fileMenu, RecentFiles& recent, OpenRecent open, RecentKindName kindName = {});

// Adds Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y) to an Edit menu (mnuEditUndo, mnuEditRedo),
// each naming the step it takes back, and returns their stack, owned by `owner`.
QUndoStack* addUndoEntries(QMenu* editMenu, QObject* owner);

}  // namespace ui
