#include "pelletry/widgets.hpp"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

#include "pelletry/artwork.hpp"

namespace pelletry {

int draggedSlot(const QMimeData* data) {
  const QString mime = QString::fromLatin1(kFrameMime);
  if (!data || !data->hasFormat(mime)) return -1;
  bool ok = false;
  const int slot = QString::fromLatin1(data->data(mime)).toInt(&ok);
  return ok ? slot : -1;
}

QStringList draggedFiles(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.append(url.toLocalFile());
  return files;
}

namespace {

// Takes a drag of bitmap files or of a frame; true when it is a frame, which the strip
// shows by lighting the trash can.
bool acceptDrag(QDropEvent* event) {
  if (!draggedFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return false;
  }
  if (draggedSlot(event->mimeData()) < 0) return false;
  event->acceptProposedAction();
  return true;
}

}  // namespace

// --- LookButton

LookButton::LookButton(const QString& name, const std::vector<QPixmap>& looks, int normalLook, int pressedLook,
                       QWidget* parent)
    : QWidget(parent), normal_(normalLook), pressed_(pressedLook) {
  setObjectName(name);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  QSize size;
  for (std::size_t i = 0; i < looks.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(name + QLatin1Char('_') + QString::number(i));
    label->setPixmap(looks[i]);
    label->setFixedSize(looks[i].size());
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    looks_.push_back(label);
    size = size.expandedTo(looks[i].size());
  }
  setFixedSize(size);
  show(normal_);
}

void LookButton::show(int look) {
  if (look == shown_) return;
  for (std::size_t i = 0; i < looks_.size(); ++i) looks_[i]->setVisible(static_cast<int>(i) == look);
  shown_ = look;
}

void LookButton::setNormalLook(int look) {
  normal_ = look;
  show(look);
}

void LookButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  show(pressed_);
}

void LookButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || shown_ != pressed_) return;
  show(normal_);
  if (rect().contains(event->position().toPoint())) emit clicked();
  show(normal_);  // the action may have changed the normal look
}

void LookButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (isEnabled()) emit clicked();
    return;
  }
  QWidget::keyPressEvent(event);
}

void LookButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void LookButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void LookButton::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  // The looks are children; the focus ring is drawn around them on the button itself.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}

// --- FrameSlot

FrameSlot::FrameSlot(int index, QWidget* parent) : QLabel(parent), index_(index) {
  setObjectName(QStringLiteral("Image2_%1").arg(index));
  setFixedSize(art::kSlotSize, art::kSlotSize);
  setAcceptDrops(true);
  setPixmap(art::blankSlot());
}

void FrameSlot::setDraggable(bool draggable) {
  draggable_ = draggable;
  setFocusPolicy(draggable ? Qt::StrongFocus : Qt::NoFocus);
}

void FrameSlot::setFrame(const QPixmap& frame) {
  frame_ = frame;
  setPixmap(frame.isNull() ? art::blankSlot() : frame);
  setToolTip(frame.isNull() ? QString() : QStringLiteral("Frame %1: drag it onto another frame to swap them, or onto the trash").arg(index_ + 1));
  update();
}

void FrameSlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (frame_.isNull()) {
    p.drawPixmap(0, 0, art::blankSlot());
  } else {
    QLinearGradient water(box.topLeft(), box.bottomLeft());
    water.setColorAt(0, art::waterTop());
    water.setColorAt(1, art::waterBottom());
    p.setPen(QPen(QColor(90, 130, 150), 1));
    p.setBrush(water);
    p.drawRoundedRect(box, 5, 5);
    // Small frames keep their pixels sharp; large ones are fitted.
    const QSize room = size() - QSize(6, 6);
    QSize shown = frame_.size();
    if (shown.width() > room.width() || shown.height() > room.height()) shown.scale(room, Qt::KeepAspectRatio);
    else if (shown.width() * 2 <= room.width() && shown.height() * 2 <= room.height()) shown *= 2;
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform, shown.width() < frame_.width());
    p.drawPixmap(target, frame_);
  }
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 4, 4);
  }
  QFont font = p.font();
  font.setPixelSize(9);
  p.setFont(font);
  p.setPen(frame_.isNull() ? QColor(150, 176, 190) : QColor(30, 60, 80));
  p.drawText(QRectF(3, 1, 20, 12), Qt::AlignLeft | Qt::AlignTop, QString::number(index_ + 1));
}

void FrameSlot::contextMenuEvent(QContextMenuEvent* event) {
  // The keyboard's and the right button's way to do what dragging does.
  if (!draggable_) return;
  QMenu menu(this);
  QAction* earlier = menu.addAction(QStringLiteral("Swap with the frame before"));
  QAction* later = menu.addAction(QStringLiteral("Swap with the frame after"));
  menu.addSeparator();
  QAction* remove = menu.addAction(QStringLiteral("Delete"));
  earlier->setEnabled(index_ > 0);
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == earlier) emit frameDropped(index_, index_ - 1);
  if (chosen == later) emit frameDropped(index_, index_ + 1);  // the window ignores a drop past the last frame
  if (chosen == remove) emit trashRequested(index_);
}

void FrameSlot::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedAt_ = event->position().toPoint();
  QLabel::mousePressEvent(event);
}

void FrameSlot::mouseMoveEvent(QMouseEvent* event) {
  if (!draggable_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kFrameMime), QByteArray::number(index_));
  drag->setMimeData(mime);
  drag->setPixmap(grab());
  drag->setHotSpot(pressedAt_);
  drag->exec(Qt::MoveAction);
}

void FrameSlot::dragEnterEvent(QDragEnterEvent* event) {
  if (acceptDrag(event)) emit frameOver();
}

void FrameSlot::dropEvent(QDropEvent* event) {
  if (const QStringList files = draggedFiles(event->mimeData()); !files.isEmpty()) {
    event->acceptProposedAction();
    emit filesDropped(files);
    return;
  }
  const int from = draggedSlot(event->mimeData());
  if (from < 0) return;
  event->acceptProposedAction();
  emit frameDropped(from, index_);
}

// --- TrashCan

TrashCan::TrashCan(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image9"));
  setAcceptDrops(true);
  setToolTip(QStringLiteral("Drop a frame here to take it out of the strip"));
  normal_ = new QLabel(this);
  normal_->setObjectName(QStringLiteral("Image9_0"));
  normal_->setPixmap(art::trashCan(false));
  lit_ = new QLabel(this);
  lit_->setObjectName(QStringLiteral("Image9_1"));
  lit_->setPixmap(art::trashCan(true));
  for (QLabel* look : {normal_, lit_}) look->setFixedSize(look->pixmap().size());
  lit_->hide();
  setFixedSize(normal_->size());
}

void TrashCan::setHighlighted(bool on) {
  highlighted_ = on;
  normal_->setVisible(!on);
  lit_->setVisible(on);
}

void TrashCan::dragEnterEvent(QDragEnterEvent* event) {
  if (draggedSlot(event->mimeData()) < 0) return;
  event->acceptProposedAction();
  setHighlighted(true);
}

void TrashCan::dragLeaveEvent(QDragLeaveEvent*) { setHighlighted(false); }

void TrashCan::dropEvent(QDropEvent* event) {
  const int slot = draggedSlot(event->mimeData());
  if (slot < 0 || !highlighted_) return;
  event->acceptProposedAction();
  setHighlighted(false);
  emit frameDropped(slot);
}

// --- DragPassArea

DragPassArea::DragPassArea(QWidget* parent) : QWidget(parent) { setAcceptDrops(true); }

void DragPassArea::dragEnterEvent(QDragEnterEvent* event) {
  if (acceptDrag(event)) emit frameOver();
}

void DragPassArea::dragMoveEvent(QDragMoveEvent* event) {
  if (acceptDrag(event)) emit frameOver();
}

void DragPassArea::dropEvent(QDropEvent* event) {
  if (const QStringList files = draggedFiles(event->mimeData()); !files.isEmpty()) {
    event->acceptProposedAction();
    emit filesDropped(files);
    return;
  }
  // A frame dropped outside the strip and the trash stays where it was.
  event->ignore();
}

void DragPassArea::paintEvent(QPaintEvent*) {
  // Image11 draws a soft panel behind the strip; the window's background draws nothing.
  if (objectName() != QLatin1String("Image11")) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(168, 196, 210), 1));
  p.setBrush(QColor(226, 240, 246));
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

}  // namespace pelletry
