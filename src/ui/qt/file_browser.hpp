#pragma once
// A drive list, the open folder's path, a folder list and a file list: the file chooser that
// the folder dialog and the tank tools' main windows share. The folder list shows the open
// folder's ancestors from the root down, then its subfolders; activating an entry opens it.
// The file list shows the files matching a pattern such as "*.fsh;*.tqn", in any case.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class PathLabel;

class FileBrowser : public QWidget {
  Q_OBJECT

 public:
  // Opens at start, or at its nearest folder that exists (the current folder if none does).
  explicit FileBrowser(const std::filesystem::path& start, QWidget* parent = nullptr);

  QString folder() const { return folder_; }
  // Opens a folder; false, with nothing changed, if it cannot be read.
  bool openFolder(const QString& folder);
  // Moves to the drive at this index of the drive list; a drive that cannot be read is told
  // and the drive list goes back to the open folder's drive.
  void chooseDrive(int index);

  // Patterns separated by ';' ("*" for every file); the file list is filled anew.
  void setPattern(const QString& pattern);
  QString pattern() const { return pattern_; }
  // The file list filled anew, keeping the selected file when it is still there.
  void refreshFiles();
  // The selected file's full path, or empty.
  QString selectedFile() const;
  // Selects a file of the open folder by name; false when it is not listed.
  bool selectFile(const QString& name);
  QStringList listedFiles() const;
  // The folder highlighted in the folder list (what Enter would open), or empty.
  QString highlightedFolder() const;

  // The file-system root and the mounted volumes, each once, root first; on Windows the drive
  // letters in order. Each as a path with '/' (the lists show them with the system's separator).
  static QStringList drives();

 signals:
  void folderOpened(const QString& folder);
  void fileClicked(const QString& path);
  void fileActivated(const QString& path);  // double-click or Enter

 private:
  void fillFolders();
  void selectDriveOf(const QString& folder);
  void openItem(QTreeWidgetItem* item);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QString folder_;
  QString pattern_ = QStringLiteral("*");
  QComboBox* drives_;
  PathLabel* pathLabel_;
  QTreeWidget* folders_;
  QListWidget* files_;
};

}  // namespace ui
