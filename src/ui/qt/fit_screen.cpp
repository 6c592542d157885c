#include "ui/qt/fit_screen.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace ui {

namespace {

// The name of the scroll area a window's content moved into.
constexpr const char* kFittedArea = "fittedContent";
// Room for the title bar and borders, before the window system has told their size.
constexpr int kFrameWidth = 8, kFrameHeight = 32;

// The size the window cannot go below: what its layout needs, or what it was fixed at.
QSize leastSize(const QWidget* window) {
  QSize least = window->minimumSize();
  if (const QLayout* layout = window->layout()) {
    const bool fixed = layout->sizeConstraint() == QLayout::SetFixedSize;
    least = least.expandedTo(fixed ? layout->totalSizeHint() : layout->totalMinimumSize());
  }
  return least;
}

QRect availableTo(const QWidget* window) {
  const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : window;
  QScreen* screen = owner->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

// The row of buttons that ends a column of controls (OK, Cancel, UPDATE …), which stays in
// sight below the scrolling; none when the column ends otherwise.
QLayout* takeButtonRow(QLayout* layout) {
  auto* column = qobject_cast<QBoxLayout*>(layout);
  if (!column || column->direction() != QBoxLayout::TopToBottom || column->count() < 2) return nullptr;
  QLayout* row = column->itemAt(column->count() - 1)->layout();
  if (!row) return nullptr;
  bool buttons = false;
  for (int i = 0; i < row->count(); ++i) {
    QLayoutItem* item = row->itemAt(i);
    if (item->spacerItem()) continue;
    QWidget* widget = item->widget();
    if (!widget || !(qobject_cast<QAbstractButton*>(widget) || qobject_cast<QDialogButtonBox*>(widget))) return nullptr;
    buttons = true;
  }
  if (!buttons) return nullptr;
  column->takeAt(column->count() - 1);
  return row;
}

QScrollArea* newScrollArea(QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setObjectName(QLatin1String(kFittedArea));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  return area;
}

// A main window keeps its menu and status bars; only its central widget scrolls.
QScrollArea* wrapCentralWidget(QMainWindow* window) {
  QWidget* central = window->takeCentralWidget();
  if (!central) return nullptr;
  QScrollArea* area = newScrollArea(window);
  area->setWidget(central);
  window->setCentralWidget(area);
  window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  window->setMinimumSize(0, 0);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return area;
}

// Moves the window's layout, with the controls it holds, into a scroll area that fills it.
QScrollArea* wrapInScrollArea(QWidget* window) {
  if (auto* main = qobject_cast<QMainWindow*>(window)) return wrapCentralWidget(main);
  QLayout* layout = window->layout();
  QLayout* buttons = takeButtonRow(layout);
  QWidget* menuBar = layout->menuBar();
  if (menuBar) layout->setMenuBar(nullptr);  // the menu stays at the top, outside the scrolling
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("fittedContentWidget"));
  content->setLayout(layout);  // takes the layout from the window, and its controls with it
  QScrollArea* area = newScrollArea(window);
  area->setWidget(content);
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  if (menuBar) outer->setMenuBar(menuBar);
  outer->addWidget(area);
  if (buttons) {
    const QMargins margins = layout->contentsMargins();
    buttons->setContentsMargins(margins.left(), layout->spacing() > 0 ? layout->spacing() : margins.bottom(), margins.right(),
                                margins.bottom());
    outer->addLayout(buttons);  // its buttons become the window's own again
  }
  // A size fixed for the old layout would keep the window as large as before.
  window->setMinimumSize(0, 0);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return area;
}

class FitFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType() || event->spontaneous())
      return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) && !qobject_cast<QMessageBox*>(widget) &&
        !qobject_cast<QFileDialog*>(widget) && !qobject_cast<QProgressDialog*>(widget))
      fitOnScreen(widget);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void fitWithin(QWidget* window, const QRect& available) {
  if (!window || available.isEmpty() || !window->layout()) return;
  QSize frame = window->frameGeometry().size() - window->geometry().size();
  if (frame.isEmpty()) frame = QSize(kFrameWidth, kFrameHeight);
  const QSize room = (available.size() - frame).expandedTo(QSize(120, 120));

  auto* area = window->findChild<QScrollArea*>(QLatin1String(kFittedArea), Qt::FindDirectChildrenOnly);
  QSize wanted = window->isVisible() || window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
  const QSize least = leastSize(window);
  if (!area && (least.width() > room.width() || least.height() > room.height())) {
    // The content keeps the size it needs; the scroll bars take what the screen lacks.
    const QSize content = window->sizeHint().expandedTo(least);
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    area = wrapInScrollArea(window);
    if (area) wanted = content + QSize(content.height() > room.height() ? bar : 0, content.width() > room.width() ? bar : 0);
  }
  // A window that fits keeps its size: only what is too large shrinks.
  if (wanted.width() > room.width() || wanted.height() > room.height() || area) {
    const QSize fitted = wanted.boundedTo(room);
    if (fitted != window->size()) window->resize(fitted);
  }
  // A window placed before (not a dialog about to be centred on its owner) is moved back on screen.
  if (window->testAttribute(Qt::WA_Moved) || window->isVisible()) {
    QRect placed(window->pos(), window->size() + frame);
    if (placed.right() > available.right()) placed.moveRight(available.right());
    if (placed.bottom() > available.bottom()) placed.moveBottom(available.bottom());
    if (placed.left() < available.left()) placed.moveLeft(available.left());
    if (placed.top() < available.top()) placed.moveTop(available.top());
    if (placed.topLeft() != window->pos()) window->move(placed.topLeft());
  }
}

void fitOnScreen(QWidget* window) {
  if (window) fitWithin(window, availableTo(window));
}

void fitEveryWindowOnScreen() {
  static FitFilter* filter = nullptr;
  if (filter || !qApp) return;
  filter = new FitFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace ui
