#pragma once
// A path label that chooses its file: a click, or Space or Enter when it has the focus, calls
// back; while empty it says so in the placeholder grey; while focused it shows as selected.
#include <functional>

#include "ui/qt/path_label.hpp"

namespace ui {

class ChoosingPathLabel : public PathLabel {
 public:
  ChoosingPathLabel(std::function<void()> onChoose, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::function<void()> onChoose_;
};

}  // namespace ui
