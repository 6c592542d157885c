#include "ui/qt/describe.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>
#include <QWidget>

namespace ui {

namespace {

QString widgetText(const QWidget& widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (auto* line = qobject_cast<const QLineEdit*>(&widget)) return line->text();
  if (auto* text = qobject_cast<const QTextEdit*>(&widget)) return text->toPlainText();
  if (auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) return plain->toPlainText();
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(&widget)) return spin->text();
  if (auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title();
  if (auto* menu = qobject_cast<const QMenu*>(&widget)) return menu->title();
  if (auto* slider = qobject_cast<const QAbstractSlider*>(&widget)) return QString::number(slider->value());
  if (auto* bar = qobject_cast<const QProgressBar*>(&widget)) return QString::number(bar->value());
  return widget.windowTitle();
}

// Rows of a list or tree depth-first; a table's rows as arrays of their cells.
void addRows(const QAbstractItemModel& model, const QModelIndex& parent, QJsonArray& out) {
  const int columns = model.columnCount(parent);
  for (int row = 0; row < model.rowCount(parent); ++row) {
    const QModelIndex first = model.index(row, 0, parent);
    if (columns > 1) {
      QJsonArray cells;
      for (int column = 0; column < columns; ++column)
        cells.append(model.index(row, column, parent).data(Qt::DisplayRole).toString());
      out.append(cells);
    } else {
      out.append(first.data(Qt::DisplayRole).toString());
    }
    if (model.hasChildren(first)) addRows(model, first, out);
  }
}

const QAbstractItemModel* itemsOf(const QWidget& widget) {
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->model();
  if (auto* view = qobject_cast<const QAbstractItemView*>(&widget)) return view->model();
  return nullptr;
}

QJsonObject describeWidget(const QWidget& widget, const QWidget& window) {
  QJsonObject out;
  out[QStringLiteral("name")] = widget.objectName();
  out[QStringLiteral("class")] = QString::fromLatin1(widget.metaObject()->className());
  out[QStringLiteral("text")] = widgetText(widget);
  if (const QAbstractItemModel* model = itemsOf(widget)) {
    QJsonArray items;
    addRows(*model, {}, items);
    out[QStringLiteral("items")] = items;
  }
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget); button && button->isCheckable())
    out[QStringLiteral("checked")] = button->isChecked();
  out[QStringLiteral("visible")] = &widget == &window || widget.isVisibleTo(&window);
  out[QStringLiteral("enabled")] = widget.isEnabled();
  return out;
}

QJsonObject describeAction(const QAction& action) {
  QJsonObject out;
  out[QStringLiteral("name")] = action.objectName();
  out[QStringLiteral("class")] = QString::fromLatin1(action.metaObject()->className());
  out[QStringLiteral("text")] = action.text();
  if (action.isCheckable()) out[QStringLiteral("checked")] = action.isChecked();
  out[QStringLiteral("visible")] = action.isVisible();
  out[QStringLiteral("enabled")] = action.isEnabled();
  return out;
}

}  // namespace

QJsonObject describeWindow(const QWidget& window) {
  QJsonArray controls;
  // The window's own name comes first when it has one.
  if (!window.objectName().isEmpty()) controls.append(describeWidget(window, window));
  for (const QObject* child : window.findChildren<QObject*>()) {
    // Qt names some of its own inner parts "qt_…"; they are not the window's controls.
    if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (auto* widget = qobject_cast<const QWidget*>(child)) {
      controls.append(describeWidget(*widget, window));
    } else if (auto* action = qobject_cast<const QAction*>(child)) {
      controls.append(describeAction(*action));
    }
  }
  QJsonObject out;
  out[QStringLiteral("caption")] = window.windowTitle();
  out[QStringLiteral("class")] = QString::fromLatin1(window.metaObject()->className());
  out[QStringLiteral("controls")] = controls;
  return out;
}

QByteArray describeWindowJson(const QWidget& window) {
  return QJsonDocument(describeWindow(window)).toJson(QJsonDocument::Indented);
}

}  // namespace ui
