#pragma once
// The folder dialog of finwright and finsplit: a drive list, a folder list, a file list and OK.
// The folder list shows the open folder's ancestors from the root down, then its
// subfolders; activating an entry opens it, and OK hands the open folder back.
#include <QDialog>
#include <QString>
#include <filesystem>
#include <optional>

class QComboBox;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class PathLabel;

class FolderDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens at start, or at its nearest folder that exists (the current folder if none does).
  explicit FolderDialog(const std::filesystem::path& start, QWidget* parent = nullptr);

  // The open folder: what OK hands back.
  QString folder() const { return folder_; }
  // Opens a folder; false, with nothing changed, if it cannot be read.
  bool openFolder(const QString& folder);
  // Moves to the drive at this index of the drive list; a drive that cannot be read is told
  // and the drive list goes back to the open folder's drive.
  void chooseDrive(int index);

  // The file-system root and the mounted volumes, each once, root first.
  static QStringList drives();

 private:
  void fillFolders();
  void fillFiles();
  void selectDriveOf(const QString& folder);
  void openItem(QTreeWidgetItem* item);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QString folder_;
  QComboBox* drives_;
  PathLabel* pathLabel_;
  QTreeWidget* folders_;
  QListWidget* files_;
};

// Shows the dialog modally; the chosen folder, or nothing when the dialog was closed without OK.
std::optional<std::filesystem::path> chooseFolderDialog(QWidget* parent, const std::filesystem::path& start);

}  // namespace ui
