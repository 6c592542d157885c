#pragma once
// finsplit's window: the save folder with its SetFolder button, and Cut. A fish file dropped
// on the window, or chosen in File › Recent, is cut as if chosen in the OPEN dialog.
#include <QWidget>
#include <filesystem>
#include <memory>

#include "finsplit/finsplit.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/worker.hpp"

class QLabel;

namespace ui {
class PathLabel;
}

namespace finsplit {

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs.
  explicit Window(const std::filesystem::path& saveFolder, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& saveFolder, QWidget* parent = nullptr);
  ~Window() override;

  const Finsplit& flow() const { return flow_; }

  // The buttons' actions.
  void setFolder();
  void cut();
  void cutFile(const std::filesystem::path& fishFile);
  // For tests: waits until a running cut is done and shown.
  bool waitUntilIdle() { return worker_.waitUntilIdle(); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void build();
  void showSaveFolder();
  void showResult(const CutResult& result);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  ui::Worker worker_;              // runs Cut; the flow talks through its Ui
  Finsplit flow_;
  CutResult result_;               // the last cut's, written by the worker
  ui::PathLabel* saveFolder_ = nullptr;
  QLabel* status_ = nullptr;
  ui::RecentFiles recent_;
};

}  // namespace finsplit
