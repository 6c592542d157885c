#include "ui/qt/control_table.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/qt/language_switch.hpp"

namespace ui {

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

QWidget* makeWidget(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(utf8(spec.text), parent);
      if (spec.options & kSunken) label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      if (spec.textAlignment.toInt() != 0) label->setAlignment(spec.textAlignment);
      return label;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(utf8(spec.text), parent);
      if (spec.options & kDefault) button->setDefault(true);
      if (spec.options & kNoAutoDefault) button->setAutoDefault(false);
      return button;
    }
    case ControlKind::LineEdit: {
      auto* box = new QLineEdit(utf8(spec.text), parent);
      if (spec.maxLength >= 0) box->setMaxLength(spec.maxLength);
      if (spec.options & kReadOnly) box->setReadOnly(true);
      if (spec.textAlignment.toInt() != 0) box->setAlignment(spec.textAlignment);
      return box;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(utf8(spec.text), parent);
      if (spec.options & kChecked) box->setChecked(true);
      return box;
    }
    case ControlKind::RadioButton: {
      auto* option = new QRadioButton(utf8(spec.text), parent);
      if (spec.options & kChecked) option->setChecked(true);
      return option;
    }
    case ControlKind::Group:
      return new QGroupBox(utf8(spec.text), parent);
    case ControlKind::Custom:
      return spec.make(parent);
    default:
      return nullptr;
  }
}

QLayout* makeLayout(const ControlSpec& spec) {
  switch (spec.kind) {
    case ControlKind::Grid: {
      auto* grid = new QGridLayout;
      if (spec.horizontalSpacing >= 0) grid->setHorizontalSpacing(spec.horizontalSpacing);
      if (spec.verticalSpacing >= 0) grid->setVerticalSpacing(spec.verticalSpacing);
      return grid;
    }
    case ControlKind::Row:
    case ControlKind::Column: {
      QBoxLayout* box = spec.kind == ControlKind::Row ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                                      : static_cast<QBoxLayout*>(new QVBoxLayout);
      if (spec.horizontalSpacing >= 0) box->setSpacing(spec.horizontalSpacing);
      return box;
    }
    default:
      return nullptr;
  }
}

[[noreturn]] void tableFault(const char* what, const char* name) {
  std::fprintf(stderr, "control table: %s \"%s\"\n", what, name);
  std::abort();
}

}  // namespace

QObject* ControlTable::find(const char* name) const {
  for (const auto& [made, object] : made_)
    if (made == name) return object;
  return nullptr;
}

QWidget* ControlTable::widget(const char* name) const {
  auto* found = qobject_cast<QWidget*>(find(name));
  if (!found) tableFault("no control named", name);
  return found;
}

QLayout* ControlTable::layout(const char* name) const {
  auto* found = qobject_cast<QLayout*>(find(name));
  if (!found) tableFault("no layout named", name);
  return found;
}

void ControlTable::add(std::span<const ControlSpec> rows) {
  for (const ControlSpec& spec : rows) {
    switch (spec.kind) {
      case ControlKind::Stretch:
        static_cast<QBoxLayout*>(layout(spec.layout))->addStretch(spec.value);
        continue;
      case ControlKind::Space:
        static_cast<QBoxLayout*>(layout(spec.layout))->addSpacing(spec.value);
        continue;
      case ControlKind::ColumnStretch:
        static_cast<QGridLayout*>(layout(spec.layout))->setColumnStretch(spec.index, spec.value);
        continue;
      case ControlKind::RowStretch:
        static_cast<QGridLayout*>(layout(spec.layout))->setRowStretch(spec.index, spec.value);
        continue;
      case ControlKind::ColumnMinimum:
        static_cast<QGridLayout*>(layout(spec.layout))->setColumnMinimumWidth(spec.index, spec.value);
        continue;
      case ControlKind::RowMinimum:
        static_cast<QGridLayout*>(layout(spec.layout))->setRowMinimumHeight(spec.index, spec.value);
        continue;
      default:
        break;
    }
    QWidget* parent = *spec.parent ? widget(spec.parent) : widget_;
    QObject* made = nullptr;
    if (spec.kind == ControlKind::Place) {
      made = widget(spec.name);
    } else if (QLayout* box = makeLayout(spec)) {
      if (spec.margins[0] >= 0) box->setContentsMargins(spec.margins[0], spec.margins[1], spec.margins[2], spec.margins[3]);
      if (!*spec.layout) parent->setLayout(box);
      made = box;
    } else {
      QWidget* control = makeWidget(spec, parent);
      if (!control) tableFault("nothing made for", spec.name);
      if (*spec.name) control->setObjectName(QString::fromLatin1(spec.name));
      // Captions and tooltips are texts as designed, shown in the chosen language.
      if (*spec.text && spec.kind != ControlKind::LineEdit && spec.kind != ControlKind::Custom)
        setDesignedText(control, utf8(spec.text));
      if (spec.toolTip) setDesignedToolTip(control, utf8(spec.toolTip));
      if (spec.options & kBold) {
        QFont bold = control->font();
        bold.setBold(true);
        control->setFont(bold);
      }
      if (spec.geometry[2] >= 0) control->setGeometry(spec.geometry[0], spec.geometry[1], spec.geometry[2], spec.geometry[3]);
      if (spec.options & kKeepPlace) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
      }
      if (spec.options & kHidden) control->hide();
      made = control;
    }
    if (*spec.layout) {
      QLayout* into = layout(spec.layout);
      auto* control = qobject_cast<QWidget*>(made);
      auto* inner = qobject_cast<QLayout*>(made);
      if (spec.inGrid) {
        auto* grid = static_cast<QGridLayout*>(into);
        if (control)
          grid->addWidget(control, spec.row, spec.column, spec.rowSpan, spec.columnSpan, spec.alignment);
        else
          grid->addLayout(inner, spec.row, spec.column, spec.rowSpan, spec.columnSpan, spec.alignment);
      } else {
        auto* box = static_cast<QBoxLayout*>(into);
        if (control)
          box->addWidget(control, spec.value, spec.alignment);
        else
          box->addLayout(inner, spec.value);
      }
    }
    if (*spec.name && spec.kind != ControlKind::Place) made_.emplace_back(spec.name, made);
    if (spec.assign) spec.assign(spec.slot, made);
  }
  // A label's buddy may come after it in the table.
  for (const ControlSpec& spec : rows)
    if (*spec.buddyName) static_cast<QLabel*>(widget(spec.name))->setBuddy(widget(spec.buddyName));
}

}  // namespace ui
