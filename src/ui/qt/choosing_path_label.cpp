#include "ui/qt/choosing_path_label.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

ChoosingPathLabel::ChoosingPathLabel(std::function<void()> onChoose, QWidget* parent)
    : PathLabel(parent), onChoose_(std::move(onChoose)) {
  setCursor(Qt::PointingHandCursor);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setMargin(3);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setFocusPolicy(Qt::TabFocus);
}

void ChoosingPathLabel::paintEvent(QPaintEvent* event) {
  PathLabel::paintEvent(event);
  if (!text().isEmpty()) return;
  QPainter painter(this);
  painter.setPen(palette().color(hasFocus() ? QPalette::HighlightedText : QPalette::PlaceholderText));
  painter.drawText(contentsRect().adjusted(margin(), 0, -margin(), 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Click to choose…"));
}

void ChoosingPathLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onChoose_();
  PathLabel::mouseReleaseEvent(event);
}

void ChoosingPathLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) onChoose_();
  else PathLabel::keyPressEvent(event);
}

// Shown as selected while focused, so that the keyboard user sees where Space acts.
void ChoosingPathLabel::focusInEvent(QFocusEvent* event) {
  setBackgroundRole(QPalette::Highlight);
  setForegroundRole(QPalette::HighlightedText);
  PathLabel::focusInEvent(event);
}

void ChoosingPathLabel::focusOutEvent(QFocusEvent* event) {
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  PathLabel::focusOutEvent(event);
}

}  // namespace ui
