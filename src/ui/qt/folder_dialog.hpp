#pragma once
// The folder dialog of finwright and finsplit: a drive list, a folder list, a file list and OK,
// which hands the open folder back.
#include <QDialog>
#include <QString>
#include <filesystem>
#include <optional>

#include "ui/qt/file_browser.hpp"

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

 private:
  FileBrowser* browser_;
};

// Shows the dialog modally; the chosen folder, or nothing when the dialog was closed without OK.
std::optional<std::filesystem::path> chooseFolderDialog(QWidget* parent, const std::filesystem::path& start);

}  // namespace ui
