#pragma once
// A window's controls as data. A table holds one row per control and per layout, in the order
// the controls are made, which is the Tab order and the order --describe lists them. A row
// names the control, gives its caption and says where it goes: a cell of a grid, or the next
// place in a row or a column. ControlTable::add makes the widgets and layouts row by row.
//
//   table.add({
//       ui::grid("boxes"),
//       ui::label("lblID", "ID").at("boxes", 0, 0).buddy("txtID"),
//       ui::lineEdit("txtID", "0").at("boxes", 0, 1).into(id_),
//   });
//
// A layout row without a place becomes the layout of the table's widget, or of the made widget
// its `on` names; a layout's name lives only in the table. A control the builder does not know
// is made by a factory at its row (ui::custom), so the order of making stays that of the table;
// ui::place puts a control made earlier into a row where the two orders differ; `box` places a
// control in pixels. What is neither a caption nor a place (sizes measured in the font, signal
// connections) stays code after the table.
#include <QString>
#include <Qt>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QLayout;
class QObject;
class QWidget;

namespace ui {

enum class ControlKind : unsigned char {
  Label,        // QLabel
  Button,       // QPushButton
  LineEdit,     // QLineEdit
  CheckBox,     // QCheckBox
  RadioButton,  // QRadioButton
  Group,        // QGroupBox, its caption the text
  Custom,       // made by the row's factory
  Place,        // a control made at an earlier row, placed here
  Grid,         // QGridLayout
  Row,          // QHBoxLayout
  Column,       // QVBoxLayout
  Stretch,      // a row's or column's addStretch(value)
  Space,        // a row's or column's addSpacing(value)
  ColumnStretch, RowStretch, ColumnMinimum, RowMinimum,  // a grid's setting for line `index`
};

// What a row may switch on besides its caption.
enum ControlOption : unsigned {
  kDefault = 1,     // the button Enter presses
  kReadOnly = 2,    // a line edit that is not typed into
  kHidden = 4,      // made hidden
  kChecked = 8,     // a check box or option ticked
  kBold = 16,       // the caption in bold
  kSunken = 32,     // a label with a sunken panel frame
  kNoAutoDefault = 64,  // a button that never becomes the default by taking the focus
  kKeepPlace = 128,     // keeps its place in the layout while hidden
};

struct ControlSpec {
  ControlKind kind;
  const char* name = "";     // the object name; a layout's name is how rows refer to it
  const char* text = "";     // the caption or the preset text, UTF-8
  std::function<QWidget*(QWidget* parent)> make{};  // ControlKind::Custom
  const char* layout = "";   // the layout the control goes in; "" for none
  bool inGrid = false;       // placed at a grid cell rather than next in a row or column
  int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
  int value = 0;             // the stretch in a row or column, a space's size, a grid setting's value
  int index = 0;             // a grid setting's row or column
  Qt::Alignment alignment{};
  const char* parent = "";   // a made widget the control belongs to, rather than the table's widget
  const char* buddyName = "";
  const char* toolTip = nullptr;
  Qt::Alignment textAlignment{};
  int maxLength = -1;
  unsigned options = 0;
  int geometry[4] = {0, 0, -1, -1};                  // a control placed in pixels: x, y, width, height
  int horizontalSpacing = -1, verticalSpacing = -1;  // a layout's
  int margins[4] = {-1, -1, -1, -1};                  // a layout's: left, top, right, bottom
  void* slot = nullptr;
  void (*assign)(void* slot, QObject* made) = nullptr;

  // Next in the row or column `box`, with a stretch factor.
  ControlSpec& in(const char* box, int stretch = 0) {
    layout = box;
    value = stretch;
    return *this;
  }
  // At a cell of the grid `grid`.
  ControlSpec& at(const char* grid, int r, int c, int rows = 1, int columns = 1) {
    layout = grid;
    inGrid = true;
    row = r, column = c, rowSpan = rows, columnSpan = columns;
    return *this;
  }
  // At a place in pixels of its parent, in no layout.
  ControlSpec& box(int x, int y, int width, int height) {
    geometry[0] = x, geometry[1] = y, geometry[2] = width, geometry[3] = height;
    return *this;
  }
  ControlSpec& align(Qt::Alignment a) {
    alignment = a;
    return *this;
  }
  // Made on the control named `widgetName` rather than on the table's widget.
  ControlSpec& on(const char* widgetName) {
    parent = widgetName;
    return *this;
  }
  ControlSpec& buddy(const char* control) {
    buddyName = control;
    return *this;
  }
  ControlSpec& tip(const char* tipText) {
    toolTip = tipText;
    return *this;
  }
  ControlSpec& textAlign(Qt::Alignment a) {
    textAlignment = a;
    return *this;
  }
  ControlSpec& limit(int characters) {
    maxLength = characters;
    return *this;
  }
  ControlSpec& with(unsigned set) {
    options |= set;
    return *this;
  }
  ControlSpec& spacing(int horizontal, int vertical = -2) {
    horizontalSpacing = horizontal;
    verticalSpacing = vertical == -2 ? horizontal : vertical;
    return *this;
  }
  ControlSpec& margin(int left, int top, int right, int bottom) {
    margins[0] = left, margins[1] = top, margins[2] = right, margins[3] = bottom;
    return *this;
  }
  // Stores the made control or layout in `member` too.
  template <class T>
  ControlSpec& into(T*& member) {
    slot = &member;
    assign = [](void* at, QObject* made) { *static_cast<T**>(at) = dynamic_cast<T*>(made); };
    return *this;
  }
};

// A row of a kind, with its name and text.
inline ControlSpec spec(ControlKind kind, const char* name = "", const char* text = "") {
  ControlSpec out{kind};
  out.name = name;
  out.text = text;
  return out;
}
inline ControlSpec label(const char* name, const char* text = "") { return spec(ControlKind::Label, name, text); }
inline ControlSpec button(const char* name, const char* text) { return spec(ControlKind::Button, name, text); }
inline ControlSpec lineEdit(const char* name, const char* text = "") { return spec(ControlKind::LineEdit, name, text); }
inline ControlSpec checkBox(const char* name, const char* text) { return spec(ControlKind::CheckBox, name, text); }
inline ControlSpec radioButton(const char* name, const char* text) { return spec(ControlKind::RadioButton, name, text); }
inline ControlSpec group(const char* name, const char* text) { return spec(ControlKind::Group, name, text); }
// A control of the window's own; the factory makes it with the parent it is given, and the
// table names it.
inline ControlSpec custom(const char* name, std::function<QWidget*(QWidget*)> make) {
  ControlSpec out = spec(ControlKind::Custom, name);
  out.make = std::move(make);
  return out;
}
// A control made at an earlier row, placed now: where the order of making and the order in a
// row or column differ.
inline ControlSpec place(const char* name) { return spec(ControlKind::Place, name); }
inline ControlSpec grid(const char* name) { return spec(ControlKind::Grid, name); }
inline ControlSpec row(const char* name) { return spec(ControlKind::Row, name); }
inline ControlSpec column(const char* name) { return spec(ControlKind::Column, name); }
inline ControlSpec stretch(const char* layout, int factor = 1) {
  return spec(ControlKind::Stretch).in(layout, factor);
}
inline ControlSpec space(const char* layout, int size) {
  return spec(ControlKind::Space).in(layout, size);
}
inline ControlSpec gridSetting(ControlKind kind, const char* grid, int index, int value) {
  ControlSpec out = spec(kind);
  out.layout = grid;
  out.index = index;
  out.value = value;
  return out;
}
inline ControlSpec columnStretch(const char* grid, int column, int factor) {
  return gridSetting(ControlKind::ColumnStretch, grid, column, factor);
}
inline ControlSpec rowStretch(const char* grid, int row, int factor) {
  return gridSetting(ControlKind::RowStretch, grid, row, factor);
}
inline ControlSpec columnMinimum(const char* grid, int column, int width) {
  return gridSetting(ControlKind::ColumnMinimum, grid, column, width);
}
inline ControlSpec rowMinimum(const char* grid, int row, int height) {
  return gridSetting(ControlKind::RowMinimum, grid, row, height);
}

// Makes the rows' controls on one widget; several tables may be added one after another and
// refer to each other's names.
class ControlTable {
 public:
  explicit ControlTable(QWidget* widget) : widget_(widget) {}

  void add(std::span<const ControlSpec> rows);
  void add(std::initializer_list<ControlSpec> rows) { add(std::span<const ControlSpec>(rows.begin(), rows.size())); }

  // What a row made, by its name; a name no row gave is a fault of the table (it aborts).
  QWidget* widget(const char* name) const;
  QLayout* layout(const char* name) const;
  template <class W>
  W* get(const char* name) const {
    return static_cast<W*>(widget(name));
  }

 private:
  QObject* find(const char* name) const;

  QWidget* widget_;
  std::vector<std::pair<std::string, QObject*>> made_;
};

}  // namespace ui
