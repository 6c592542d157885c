#include "pelletry/preview_window.hpp"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "pelletry/artwork.hpp"

namespace pelletry {

PreviewWindow::PreviewWindow(const QList<QPixmap>& frames, const Box& main, QWidget* parent)
    : QDialog(parent), frames_(frames) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(QStringLiteral("Preview"));
  setModal(true);
  setToolTip(QStringLiteral("Click to close the preview"));

  const QSize first = frames_.isEmpty() ? QSize(1, 1) : frames_.front().size();
  const PreviewPlacement place = placePreview(main, first.width(), first.height());
  setGeometry(place.window.left, place.window.top, place.window.width, place.window.height);
  setFixedSize(place.window.width, place.window.height);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setGeometry(place.pictureLeft, place.pictureTop, first.width(), first.height());
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture_->installEventFilter(this);
  showFrame(0);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(kIntervalMs);
  connect(timer_, &QTimer::timeout, this, &PreviewWindow::tick);
  timer_->start();
}

void PreviewWindow::tick() { showFrame(static_cast<int>(counter_.tick(static_cast<std::size_t>(frames_.size())))); }

void PreviewWindow::showFrame(int index) {
  if (index < 0 || index >= frames_.size()) return;
  shown_ = index;
  picture_->setPixmap(frames_[index]);
}

void PreviewWindow::mousePressEvent(QMouseEvent*) { accept(); }

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PreviewWindow::paintEvent(QPaintEvent*) {
  // The frames are seen in water, their clear pixels showing it through.
  QPainter p(this);
  QLinearGradient water(0, 0, 0, height());
  water.setColorAt(0, art::waterTop());
  water.setColorAt(1, art::waterBottom());
  p.fillRect(rect(), water);
}

}  // namespace pelletry
