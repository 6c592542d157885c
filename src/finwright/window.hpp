#pragma once
// finwright's window: the icon with its preview, the image folder, the fish ID and the five
// texts, and Build. A bitmap dropped on the window becomes the icon, a dropped folder the
// image folder.
#include <QWidget>
#include <filesystem>
#include <memory>

#include "finwright/finwright.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/worker.hpp"

class QActionGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ui {
class PathLabel;
}

namespace finwright {

class PreviewWindow;

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs. The fish library is the one chosen
  // with File › Choose Fish Library… (remembered), else the first found in the start folder,
  // the user's data folder or beside the program.
  explicit Window(const std::filesystem::path& startFolder, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& startFolder, QWidget* parent = nullptr);
  ~Window() override;

  Finwright& flow() { return flow_; }

  // The buttons' actions.
  void icon();
  void setFolder();
  // Preview…: the image folder's frames played in a window of their own, the ones Build would
  // refuse marked; without an image folder, says so.
  void preview();
  PreviewWindow* previewWindow() const { return preview_; }
  // Builds on a worker thread; the result shows when it is done.
  void build();
  // File › Choose Fish Library…: the library looked at first from now on.
  void chooseLibrary();
  // For tests: waits until a running build is done and shown.
  bool waitUntilIdle() { return worker_.waitUntilIdle(); }
  // What a drop (or the command line's presets) does.
  void chooseIcon(const std::filesystem::path& file);
  void setImageFolder(const std::filesystem::path& folder);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Files dragged onto a text box follow the window's rule instead of becoming file:// text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void makeControls();
  void showIcon();
  void showImageFolder();
  void showResult(const BuildResult& result);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  ui::Worker worker_;              // runs Build; the flow talks through its Ui
  Finwright flow_;
  BuildResult result_;             // the last build's, written by the worker
  base::CodePage codePage_ = base::CodePage::Cp932;  // the code page menu's choice
  QLabel* iconPreview_ = nullptr;
  ui::PathLabel* imageFolder_ = nullptr;
  QLineEdit* id_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* latin_ = nullptr;
  QLineEdit* genre_ = nullptr;
  QLineEdit* habitat_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  ui::PathLabel* status_ = nullptr;
  PreviewWindow* preview_ = nullptr;  // made at the first Preview…
  ui::RecentFiles recent_;  // icons and image folders
};

}  // namespace finwright
