#pragma once
// The preview: the strip's frames played on water, one every 100 ms, in a modal window placed
// over the main window; a click anywhere on it closes it.
#include <QDialog>
#include <QList>
#include <QPixmap>

#include "pelletry/pelletry.hpp"

class QLabel;
class QTimer;

namespace pelletry {

class PreviewWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 100;

  // frames: the strip's frames in order (at least one); main: the main window's frame.
  PreviewWindow(const QList<QPixmap>& frames, const Box& main, QWidget* parent = nullptr);

  // The frame on show, counting from 0.
  int shownFrame() const { return shown_; }
  QLabel* picture() const { return picture_; }
  QTimer* timer() const { return timer_; }
  // One tick of the animation (what the timer does).
  void tick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void showFrame(int index);

  QList<QPixmap> frames_;
  QLabel* picture_;
  QTimer* timer_;
  PreviewCounter counter_;
  int shown_ = 0;
};

}  // namespace pelletry
