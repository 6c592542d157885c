#pragma once
// fernwright's window: the plant ID and three names, the Redd tick box, the four path labels
// that choose their files when clicked, the icon, top and front previews, and Create. File ›
// Recent takes a file again as the input it was chosen for.
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

#include "fernwright/fernwright.hpp"
#include "ui/qt/suite_menus.hpp"

class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace ui {
class PathLabel;
}

namespace fernwright {

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs.
  explicit Window(QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  explicit Window(ui::Ui& ui, QWidget* parent = nullptr);
  ~Window() override;

  Fernwright& flow() { return flow_; }

  // A click on path label i.
  void choose(Input input);
  // Takes a file as input i, as a chosen one (the command line's presets).
  void setPath(Input input, const std::filesystem::path& file);
  // The "Create" button.
  void create();

 private:
  void makeControls();
  void showPath(Input input);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  Fernwright flow_;
  QLineEdit* id_ = nullptr;
  std::array<QLineEdit*, 3> names_{};  // Latin, scientific, plant name
  QCheckBox* redd_ = nullptr;
  std::array<ui::PathLabel*, kInputCount> paths_{};
  std::array<QLabel*, 3> previews_{};  // icon, top, front
  ui::PathLabel* status_ = nullptr;
  ui::RecentFiles recent_;
};

}  // namespace fernwright
