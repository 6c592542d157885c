#pragma once
// netkeeper's main window: the drive, folder and file lists (pattern "*.fsh;*.tqn", or "*.tqn"
// in Tank mode), the mode tick box, Start, Option, Splicing and Gene, the version label and the
// status bar with the clicked file's length and date, and what the last write did. Start opens Fish Infomation (Watter
// Settings in Tank mode), Option the archive dialog, Splicing its dialog, Gene the gene-list
// window beside the main window.
#include <QWidget>
#include <filesystem>
#include <memory>

#include "netkeeper/archive_patch.hpp"
#include "netkeeper/dialogs.hpp"
#include "netkeeper/netkeeper.hpp"
#include "netkeeper/option_dialog.hpp"
#include "ui/qt/suite_menus.hpp"
#include "netkeeper/water.hpp"
#include "netkeeper/water_dialog.hpp"

class QCheckBox;
class QLabel;
class QTreeWidget;
class QPushButton;
class QStatusBar;

namespace ui {
class FileBrowser;
}

namespace netkeeper {

// The modeless gene-list window under the kind's name: a table with a header row, one row a
// fish: its nickname and genes 1 to 14. Escape closes it.
class GeneListWindow : public QWidget {
  Q_OBJECT

 public:
  explicit GeneListWindow(QWidget* parent = nullptr);
  void fill(const GeneList& list);
  QTreeWidget* list() const { return list_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTreeWidget* list_;
};

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes, opening `folder` (the current folder when empty).
  explicit Window(const std::filesystem::path& folder = {}, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& folder, QWidget* parent = nullptr);
  ~Window() override;

  // The lists.
  bool openFolder(const QString& folder);  // false, with nothing changed, if it cannot be read
  QString folder() const;
  bool selectFile(const QString& name);    // clicks the file in the list; false if not listed
  std::filesystem::path selectedFile() const;
  void setTankMode(bool tank);
  bool tankMode() const;
  QStringList listedFiles() const;
  // File › Recent: the file's folder in the lists, the mode it was opened in, the file selected.
  void openRecent(const ui::RecentFile& file);

  // The buttons.
  void start();
  void option();
  void splicing();
  void gene();

  // The dialogs as Start and Splicing open them, not yet shown: nullptr after their message.
  std::unique_ptr<FishDialog> fishDialog();
  std::unique_ptr<SplicingDialog> splicingDialog();
  // Tank mode's Start: Watter Settings for the selected tank; nullptr after its message.
  std::unique_ptr<WaterSettingsDialog> waterDialog();
  std::unique_ptr<OptionDialog> optionDialog();
  GeneListWindow* geneListWindow() const { return geneList_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void makeControls(const std::filesystem::path& folder);
  void refreshFiles();
  void showFileState();
  // After a dialog wrote: the status line, the file list and the selected file's facts anew.
  void showWritten(const QString& status);
  void rememberSelected();  // a file the buttons opened, for File › Recent

  std::unique_ptr<ui::Ui> ownUi_;
  ui::Ui& ui_;
  Netkeeper flow_;
  Water water_;
  ArchivePatch patch_;

  ui::FileBrowser* browser_ = nullptr;  // Drive1, Dir1, File1
  QCheckBox* mode_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* option_ = nullptr;
  QPushButton* splicing_ = nullptr;
  QPushButton* gene_ = nullptr;
  QLabel* version_ = nullptr;
  QStatusBar* status_ = nullptr;
  QLabel* lengthPanel_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  GeneListWindow* geneList_ = nullptr;
  ui::RecentFiles recent_;
};

}  // namespace netkeeper
