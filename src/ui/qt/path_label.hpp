#pragma once
// A label for a path that may be longer than the window is wide: it shows the path shortened
// in the middle ("/home/…/frames") and the whole path as its tooltip. text() stays whole.
#include <QLabel>

namespace ui {

class PathLabel : public QLabel {
  Q_OBJECT

 public:
  explicit PathLabel(QWidget* parent = nullptr);

  void setPath(const QString& path);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
