#pragma once
// The Option dialog: four tick boxes for the archive's heater and filter ranges, the path label
// that opens the archive picker, "Erase" and "Undo" (enabled once an archive is chosen); and
// the archive picker, which offers only "Brinmoor.rez".
#include <QDialog>
#include <QString>
#include <array>
#include <filesystem>

#include "netkeeper/archive_patch.hpp"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {
class ChoosingPathLabel;
class FileBrowser;
}  // namespace ui

namespace netkeeper {

class ArchivePicker : public QDialog {
  Q_OBJECT

 public:
  explicit ArchivePicker(const std::filesystem::path& start, QWidget* parent = nullptr);
  // The full path of the file double-clicked, or empty.
  QString chosen() const { return chosen_; }
  ui::FileBrowser& browser() { return *browser_; }

 private:
  ui::FileBrowser* browser_;
  QLabel* label_;
  QString chosen_;
};

class OptionDialog : public QDialog {
  Q_OBJECT

 public:
  OptionDialog(ArchivePatch& patch, std::filesystem::path pickerStart, QWidget* parent = nullptr);

  // Takes an archive as the picker hands it back (empty: none); Erase and Undo follow it.
  void setArchive(const QString& path);
  QString archive() const { return archive_; }
  // Opens the picker modally.
  void chooseArchive();
  void erase();
  void undo();

 private:
  ArchivePatch& patch_;
  std::filesystem::path pickerStart_;
  QString archive_;
  std::array<QCheckBox*, kEraseRanges.size()> ranges_{};
  ui::ChoosingPathLabel* path_;
  QPushButton* erase_;
  QPushButton* undo_;
};

}  // namespace netkeeper
