#pragma once
// gritwright's window: the surface and aspect bitmaps (a click on a path label chooses one and
// shows it in its preview window), Height, Length, the output file, and Make. File › Recent
// chooses a bitmap again for the side it was chosen for.
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

#include "gritwright/gritwright.hpp"
#include "ui/qt/suite_menus.hpp"

class QLabel;
class QLineEdit;

namespace ui {
class PathLabel;
}

namespace gritwright {

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs; the output box starts in the current
  // folder.
  explicit Window(const std::filesystem::path& currentFolder, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& currentFolder, QWidget* parent = nullptr);
  ~Window() override;

  Gritwright& flow() { return flow_; }

  // A click on a path label: the "OPEN" dialog, then the chosen bitmap and its preview.
  void chooseBitmap(Side side);
  // Takes a file as a side's bitmap and shows its preview (what the command line presets do).
  void setBitmap(Side side, const std::filesystem::path& file);
  // Command1 "Make".
  void make();

  // The preview windows: Form2 "Surface" and Form3 "Aspect".
  QWidget* preview(Side side) const { return previews_[index(side)]; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  static std::size_t index(Side side) { return static_cast<std::size_t>(side); }
  void makeControls();
  void makePreview(Side side, const char* name, const char* caption);
  void showBitmap(Side side);
  void showHeightNote();

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  Gritwright flow_;
  std::array<ui::PathLabel*, 2> paths_{};
  std::array<QWidget*, 2> previews_{};
  std::array<QLabel*, 2> pictures_{};
  QLineEdit* height_ = nullptr;
  QLineEdit* length_ = nullptr;
  QLineEdit* output_ = nullptr;
  ui::PathLabel* status_ = nullptr;
  QLabel* heightNote_ = nullptr;
  ui::RecentFiles recent_;
  int aspectHeight_ = 0;  // of the aspect bitmap's preview; 0 when there is none
};

}  // namespace gritwright
