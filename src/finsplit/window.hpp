#pragma once
// finsplit's window: the fish file being looked at (its icon, its texts and its animations
// playing), the save folder with its SetFolder button, and Cut. A fish file opened with
// File › Open, dropped on the window, chosen in File › Recent or given on the command line is
// shown first; Cut then cuts it without asking for it again. With no fish file open, Cut asks
// for one in the OPEN dialog, as it always has.
#include <QWidget>
#include <filesystem>
#include <memory>

#include "base/codepage.hpp"
#include "fishfile/fish_assembly.hpp"
#include "finsplit/finsplit.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/worker.hpp"

class QLabel;
class QPlainTextEdit;

namespace ui {
class AnimationPlayer;
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
  // Cuts the fish file shown, or asks for one when none is.
  void cut();
  void cutFile(const std::filesystem::path& fishFile);
  // File › Open: the OPEN dialog, then the chosen file is shown.
  void openFish();
  // Shows a fish file: false, after saying why, when it cannot be read.
  bool showFish(const std::filesystem::path& fishFile);
  const std::filesystem::path& shownFish() const { return shown_; }
  ui::AnimationPlayer* player() const { return player_; }
  // For tests: waits until a running cut is done and shown.
  bool waitUntilIdle() { return worker_.waitUntilIdle(); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void build();
  void showSaveFolder();
  void showTexts();
  void showResult(const CutResult& result);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  ui::Worker worker_;              // runs Cut; the flow talks through its Ui
  Finsplit flow_;
  CutResult result_;               // the last cut's, written by the worker
  base::CodePage codePage_ = base::CodePage::Cp932;  // the texts are read in it
  std::filesystem::path shown_;    // the fish file shown; empty when none is
  fishfile::FishTexts texts_;      // its texts, as stored
  ui::PathLabel* fishFile_ = nullptr;
  QLabel* icon_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* latin_ = nullptr;
  QLabel* genre_ = nullptr;
  QLabel* habitat_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  ui::AnimationPlayer* player_ = nullptr;
  ui::PathLabel* saveFolder_ = nullptr;
  QLabel* status_ = nullptr;
  ui::RecentFiles recent_;
};

}  // namespace finsplit
