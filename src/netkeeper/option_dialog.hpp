#pragma once
// The Option dialog: four tick boxes for the archive's heater and filter ranges, the path label
// that opens the archive picker, "Erase" and "Undo" (enabled once an archive is chosen); and
// the archive picker, which offers only "Brinmoor.rez".
#include <QDialog>
#include <QString>
#include <array>
#include <filesystem>

#include "netkeeper/archive_patch.hpp"
#include "ui/qt/worker.hpp"

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
  ~OptionDialog() override;

  // Takes an archive as the picker hands it back (empty: none); Erase and Undo follow it.
  void setArchive(const QString& path);
  QString archive() const { return archive_; }
  // Opens the picker modally.
  void chooseArchive();
  // Erase runs on a worker thread (the progress window offers Stop); the dialog closes when
  // it is done, and stays open when it was stopped or no range is ticked.
  void erase();
  void undo();
  // After Erase or Undo closed the dialog, what was done, for the status line; else empty.
  QString doneText() const { return done_; }
  // For tests: waits until a running Erase is done.
  bool waitUntilIdle() { return worker_.waitUntilIdle(); }
  // Escape and the close box wait while Erase runs (its progress window has Stop).
  void reject() override;

 private:
  ui::Worker worker_;  // the patch's Ui, reached from the worker thread
  ArchivePatch patch_;  // the given patch's, talking through the worker
  ui::Outcome erased_ = ui::Outcome::Cancelled;
  std::filesystem::path pickerStart_;
  QString archive_;
  QString done_;
  std::array<QCheckBox*, kEraseRanges.size()> ranges_{};
  ui::ChoosingPathLabel* path_;
  QPushButton* erase_;
  QPushButton* undo_;
};

}  // namespace netkeeper
