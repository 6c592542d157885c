#pragma once
// The folder dialog of finwright, finsplit and orbisk: a drive list, a folder list, a file list,
// a path box that takes a typed or pasted folder, New Folder and OK, which hands the open folder
// back. Return in the path box goes to the folder typed there; Return elsewhere means OK.
#include <QDialog>
#include <QString>
#include <filesystem>
#include <optional>

#include "ui/qt/file_browser.hpp"

class QLineEdit;

namespace ui {

class FolderDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens at start, or at its nearest folder that exists (the current folder if none does).
  explicit FolderDialog(const std::filesystem::path& start, QWidget* parent = nullptr);

  // The open folder: what OK hands back.
  QString folder() const { return browser_->folder(); }
  bool openFolder(const QString& folder) { return browser_->openFolder(folder); }
  void chooseDrive(int index) { browser_->chooseDrive(index); }
  static QStringList drives() { return FileBrowser::drives(); }

  // The path box's text: the open folder, or the one typed there, is opened; one that is no
  // readable folder is told and nothing moves. The open folder itself means OK.
  void goToTyped();
  // New Folder: asks for a name, makes the folder in the open one and opens it.
  void makeFolder();

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;

  FileBrowser* browser_;
  QLineEdit* path_;
};

// Shows the dialog modally; the chosen folder, or nothing when the dialog was closed without OK.
// With no start, or the current folder as start, it opens at the folder last chosen in this
// program (remembered between runs) when there is one; OK remembers the chosen folder.
std::optional<std::filesystem::path> chooseFolderDialog(QWidget* parent, const std::filesystem::path& start);

}  // namespace ui
