#pragma once
// gritpress's window frmGrv: the top and side bitmaps with their check results and sizes,
// height and depth, the output file with 参照 and 出力, About and exit. Each bitmap that
// passes its check is shown in its own preview window, frmBMP1 (top) or frmBMP2 (side).
// File › Recent chooses a bitmap again for the side it was chosen for.
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

#include "gritpress/gritpress.hpp"
#include "ui/qt/suite_menus.hpp"

class QLabel;
namespace ui {
class PathLabel;
}
class QLineEdit;

namespace gritpress {

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs.
  explicit Window(QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  explicit Window(ui::Ui& ui, QWidget* parent = nullptr);
  ~Window() override;

  Gritpress& flow() { return flow_; }

  // The buttons' actions.
  void browseInput(Side side);
  void browseOutput();
  void output();
  void about();
  // What a chosen file (or the program's presets) does.
  void chooseInput(Side side, const std::filesystem::path& file);

  QWidget* preview(Side side) const { return previews_[static_cast<std::size_t>(side)]; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* heightNote_ = nullptr;
  ui::PathLabel* status_ = nullptr;  // shown once a file is written
  void makeControls();
  void readBoxes();
  void showInput(Side side);
  void rememberInput(Side side);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  Gritpress flow_;
  QLineEdit* height_ = nullptr;
  QLineEdit* depth_ = nullptr;
  QLineEdit* output_ = nullptr;
  std::array<QLineEdit*, 2> paths_{};
  std::array<QLabel*, 2> results_{};
  std::array<QLabel*, 2> sizes_{};
  std::array<QWidget*, 2> previews_{};
  std::array<QLabel*, 2> pictures_{};
  ui::RecentFiles recent_;
};

}  // namespace gritpress
