#pragma once
// The picture controls of pelletry's window: buttons drawn as pictures with one look per
// state, the frame slots that frames are dragged between, the trash can they are dropped on,
// and the areas that put the trash back to normal when a frame passes over them.
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <vector>

class QMimeData;

namespace pelletry {

// The drag of a frame carries its slot number under this type.
inline constexpr const char* kFrameMime = "application/x-pelletry-frame";
// The slot a drag comes from, or -1 for a drag that is no frame.
int draggedSlot(const QMimeData* data);
// The local files a drag from the desktop carries (empty for anything else).
QStringList draggedFiles(const QMimeData* data);

// A button made of picture looks, one shown at a time (the window's Image4, Image6, Image10,
// each look a control of its own named NAME_i). It shows its pressed look from mouse-down to
// mouse-up, acts on mouse-up over itself, and takes Space or Enter when it has the focus.
class LookButton : public QWidget {
  Q_OBJECT

 public:
  LookButton(const QString& name, const std::vector<QPixmap>& looks, int normalLook, int pressedLook, QWidget* parent);

  // The look shown while up: the preview button swaps between disabled and enabled.
  void setNormalLook(int look);
  int shownLook() const { return shown_; }
  QLabel* look(int index) const { return looks_[static_cast<std::size_t>(index)]; }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void show(int look);

  std::vector<QLabel*> looks_;
  int normal_, pressed_, shown_ = -1;
};

// One slot of the frame strip (Image2_i): shows its frame on water, or the blank slot, with
// the slot's number in the corner. A slot holding a frame can be dragged; any slot takes drops.
class FrameSlot : public QLabel {
  Q_OBJECT

 public:
  FrameSlot(int index, QWidget* parent);
  int index() const { return index_; }
  void setFrame(const QPixmap& frame);  // a null pixmap shows the blank slot
  // Only a slot holding a frame can be dragged, or reached with Tab for its context menu.
  void setDraggable(bool draggable);
  bool draggable() const { return draggable_; }
  const QPixmap& frame() const { return frame_; }

 signals:
  void frameDropped(int from, int to);
  void frameOver();  // a dragged frame is over this slot
  void filesDropped(const QStringList& files);
  void trashRequested(int slot);  // "Delete" from the slot's context menu

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int index_;
  bool draggable_ = false;
  QPixmap frame_;
  QPoint pressedAt_;
};

// The trash can (Image9_0 normal, Image9_1 highlighted): highlighted while a frame is over
// it; a frame dropped on it while highlighted is deleted.
class TrashCan : public QWidget {
  Q_OBJECT

 public:
  explicit TrashCan(QWidget* parent);
  bool highlighted() const { return highlighted_; }
  void setHighlighted(bool on);

 signals:
  void frameDropped(int slot);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QLabel* normal_;
  QLabel* lit_;
  bool highlighted_ = false;
};

// An area (the window's background, Image11 behind the strip) where a dragged frame may pass:
// it takes the drag, so the cursor does not forbid it, and reports it to clear the trash.
// Bitmap files dragged from the desktop may be dropped there too.
class DragPassArea : public QWidget {
  Q_OBJECT

 public:
  explicit DragPassArea(QWidget* parent = nullptr);

 signals:
  void frameOver();
  void filesDropped(const QStringList& files);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pelletry
