#include "ui/qt/path_label.hpp"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace ui {

namespace {
// Wide enough for a typical path; longer ones are shortened rather than widening the window.
constexpr int kPreferredChars = 44;
constexpr int kMinimumChars = 12;
}  // namespace

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PathLabel::setPath(const QString& path) {
  setText(path);
  setToolTip(path);
  updateGeometry();
  update();
}

QSize PathLabel::sizeHint() const {
  QSize size = QLabel::sizeHint();
  const int frame = size.width() - fontMetrics().horizontalAdvance(text());
  size.setWidth(std::min(size.width(), frame + fontMetrics().averageCharWidth() * kPreferredChars));
  return size;
}

QSize PathLabel::minimumSizeHint() const {
  QSize size = QLabel::minimumSizeHint();
  const int frame = size.width() - fontMetrics().horizontalAdvance(text());
  size.setWidth(std::min(size.width(), frame + fontMetrics().averageCharWidth() * kMinimumChars));
  return size;
}

void PathLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const int m = margin();
  const QRect area = contentsRect().adjusted(m, m, -m, -m);
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace ui
