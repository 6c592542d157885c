#pragma once
// orbisk's main window: the file to scan, the output folder, the kind of resource, Find,
// Save, Preview and STOP, the resource list under its four-section header, and the progress
// bar; and the preview window, made with it and reused. Scans and saves run on a worker
// thread; STOP and the progress bar work meanwhile, and every message box and question is
// shown on the GUI thread. Closing the window removes the preview's temp folder. File › Recent
// puts a file scanned or chosen earlier in the file name box again.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "orbisk/orbisk.hpp"
#include "orbisk/preview.hpp"
#include "orbisk/preview_folder.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/worker.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace orbisk {

class PreviewWindow;

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs. Select File starts in the folder last
  // opened from, the output folder is the one last chosen with Change folder (both remembered
  // between runs), else the home folder; until one is chosen, the output folder follows the
  // folder of each file scanned. The preview's sounds go to the user's own temporary folder;
  // SoundFonts are looked for in the chosen file (File › Choose SoundFont…, remembered), the
  // system's folders, then programFolder.
  explicit Window(const std::filesystem::path& programFolder, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one); both
  // folders start as programFolder (the output folder as the current folder when that is not
  // writable) and stay there; no SoundFont is remembered.
  Window(ui::Ui& ui, const std::filesystem::path& programFolder, QWidget* parent = nullptr);
  // Stops a running scan or save and waits for its thread.
  ~Window() override;

  Orbisk& flow() { return flow_; }

  // The buttons' actions.
  void find();          // Find Ressources: checks the file name, then scans on the worker thread
  void selectFile();    // Select File
  void changeFolder();  // Change folder
  void save();          // Save selected Ressource, on the worker thread
  void stop();          // STOP
  void preview();       // Preview selected ressource: the current line alone selected, shown
  void chooseSoundFont();  // File › Choose SoundFont…: the SoundFont MIDI sounds play with
  // Shows the resource of a list line in the preview window (a double-click does); says
  // kPreviewFailed when it cannot.
  void previewLine(int line);
  // Once a scan started with find() has ended, preview its resource at this index.
  void previewAfterFind(std::size_t index) { pendingPreview_ = index; }

  // Presets (the command line) and what a drop does.
  void setFileName(const QString& fileName);
  void setKind(Kind kind);

  // Whether a scan or a save is running: the busy state.
  bool busy() const { return busy_; }

  PreviewWindow& previewWindow() { return *previewWindow_; }
  PreviewFolder& previewFolder() { return *previewFolder_; }
  Preview& previewFlow() { return *previewFlow_; }

 protected:
  // The clean-up at exit: the preview closes, its temp folder goes.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void makeControls();
  void setBusy(bool busy);
  void fillList();
  void lineClicked();
  void selectLine(int line, bool selected);
  void showOutputFolder();
  // Progress reported from the worker: percent of the scanned file, or resources saved.
  void showProgress(std::uint64_t done, std::uint64_t total);
  void showSaved(const SaveReport& report);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  ui::Ui& ui_;                     // the window's own or the one handed in
  ui::Worker worker_;  // scans and saves; the flow talks through its Ui
  Orbisk flow_;

  bool busy_ = false;
  bool outputFollowsScan_ = false;  // no output folder chosen yet: it follows the scanned file
  bool percent_ = true;  // the bar shows percent of the scanned file, or resources saved
  std::optional<std::size_t> pendingPreview_;
  std::optional<base::Result<ScanResult>> scanResult_;

  QLineEdit* fileName_ = nullptr;
  QPushButton* selectFile_ = nullptr;
  QLineEdit* outputFolder_ = nullptr;
  QPushButton* changeFolder_ = nullptr;
  QComboBox* kind_ = nullptr;
  QPushButton* find_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* stop_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* saved_ = nullptr;  // what the last Save wrote, shown once it wrote
  SaveReport saveReport_;

  std::unique_ptr<PreviewFolder> previewFolder_;
  std::unique_ptr<Preview> previewFlow_;
  PreviewWindow* previewWindow_ = nullptr;  // a window of its own, deleted first
  ui::RecentFiles recent_;  // the files scanned or chosen
};

}  // namespace orbisk
