#include "ui/qt/number_box_hint.hpp"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>
#include <QVariant>

#include "ui/number_box.hpp"

namespace ui {

namespace {

// "26.5", "255", "-2147483648": the shortest text of a value with at most `decimals` digits after the point.
QString shortText(double value, int decimals) {
  QString text = QString::number(value, 'f', std::max(decimals, 0));
  if (text.contains(QLatin1Char('.'))) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  }
  return text;
}

QString rangeText(const NumberBoxHint& hint) {
  if (hint.rule == NumberRule::Lenient)
    return hint.unit.isEmpty() ? QStringLiteral("A number.") : QStringLiteral("A number (%1).").arg(hint.unit);
  const QString kind = hint.decimals == 0 ? QStringLiteral("A whole number") : QStringLiteral("A number");
  QString text = QStringLiteral("%1 from %2 to %3").arg(kind, shortText(hint.low, hint.decimals), shortText(hint.high, hint.decimals));
  if (!hint.unit.isEmpty()) text += QStringLiteral(" (%1)").arg(hint.unit);
  return text + QLatin1Char('.');
}

// Refuses a keystroke that cannot lead to a number in the range; an empty or half-typed box
// ("", "-", "1" on the way to "15") is let through as intermediate.
class RangeValidator : public QValidator {
 public:
  RangeValidator(const NumberBoxHint& hint, QObject* parent) : QValidator(parent), hint_(hint) {}

  State validate(QString& input, int&) const override {
    static const QRegularExpression whole(QStringLiteral("^[+-]?\\d*$"));
    static const QRegularExpression fraction(QStringLiteral("^[+-]?\\d*(\\.\\d*)?$"));
    const QString text = input.trimmed();
    if (text.isEmpty()) return Intermediate;
    if (!(hint_.decimals == 0 ? whole : fraction).match(text).hasMatch()) return Invalid;
    if (text.startsWith(QLatin1Char('-')) && hint_.low >= 0) return Invalid;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0 && text.size() - point - 1 > hint_.decimals) return Invalid;
    if (!text.contains(QRegularExpression(QStringLiteral("\\d")))) return Intermediate;
    const double value = leadingNumber(text.toStdString());
    if (value >= hint_.low && value <= hint_.high) return Acceptable;
    // More digits only move a value away from zero: past the bound on its side it cannot come back.
    if (value > hint_.high && value >= 0) return Invalid;
    if (value < hint_.low && value < 0) return Invalid;
    return Intermediate;
  }

 private:
  NumberBoxHint hint_;
};

// The row that holds a box and what is shown beside it, put where the box stood in its layout.
QHBoxLayout* boxRow(QLineEdit* box) {
  if (auto* row = box->property("numberBoxRow").value<QObject*>()) return static_cast<QHBoxLayout*>(row);
  QWidget* parent = box->parentWidget();
  if (!parent || !parent->layout()) return nullptr;
  auto* holder = new QWidget(parent);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  QLayoutItem* old = parent->layout()->replaceWidget(box, holder, Qt::FindChildrenRecursively);
  if (!old) {
    delete holder;
    return nullptr;
  }
  delete old;
  row->addWidget(box, 1);
  holder->setSizePolicy(box->sizePolicy());
  box->setProperty("numberBoxRow", QVariant::fromValue<QObject*>(row));
  return row;
}

// A label beside a box hides with the box (a value box hidden with its tick keeps its place).
class FollowBox : public QObject {
 public:
  FollowBox(QLabel* label, QObject* parent) : QObject(parent), label_(label) {}
  bool eventFilter(QObject*, QEvent* event) override {
    // Sent whenever the box is shown or hidden by its dialog, even before the dialog is shown.
    if (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent)
      label_->setVisible(event->type() == QEvent::ShowToParent);
    return false;
  }

 private:
  QLabel* label_;
};

QLabel* besideBox(QLineEdit* box, const QString& text, const QString& name) {
  QHBoxLayout* row = boxRow(box);
  if (!row) return nullptr;
  auto* label = new QLabel(text, box->parentWidget());
  label->setObjectName(name);
  QSizePolicy policy = label->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  label->setSizePolicy(policy);
  label->setVisible(!box->isHidden());
  row->addWidget(label);
  box->installEventFilter(new FollowBox(label, box));
  return label;
}

void mark(QLineEdit* box, const NumberBoxHint& hint, const QString& plainTip) {
  const QString reading = numberReading(box->text(), hint);
  const bool marked = !reading.isEmpty();
  if (box->property(kNumberHintProperty).toBool() != marked || box->styleSheet().isEmpty() == marked)
    box->setStyleSheet(marked ? QStringLiteral("QLineEdit { border: 2px solid #e07000; }") : QString());
  box->setProperty(kNumberHintProperty, marked);
  box->setToolTip(marked ? reading : plainTip);
}

}  // namespace

QString numberReading(const QString& text, const NumberBoxHint& hint) {
  const std::string typed = text.toStdString();
  double value = leadingNumber(typed);
  if (hint.decimals == 0) value = std::nearbyint(value);
  const bool clamp = hint.rule == NumberRule::Clamp;
  if (clamp && value > hint.high) return QStringLiteral("Read as %1, the largest value.").arg(shortText(hint.high, hint.decimals));
  if (clamp && value < hint.low) return QStringLiteral("Read as %1, the smallest value.").arg(shortText(hint.low, hint.decimals));
  static const QRegularExpression number(QStringLiteral("^[ \\t]*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
  const QRegularExpressionMatch match = number.match(text);
  const QString read = shortText(value, hint.decimals);
  if (!match.hasMatch()) return QStringLiteral("Read as %1: the box does not start with a number.").arg(read);
  if (match.capturedLength() != text.size()) return QStringLiteral("Read as %1: the text after the number is ignored.").arg(read);
  if (hint.decimals == 0 && text.contains(QLatin1Char('.')) && leadingNumber(typed) != value)
    return QStringLiteral("Read as %1, rounded to a whole number.").arg(read);
  return {};
}

QLabel* attachNumberHint(QLineEdit* box, const NumberBoxHint& hint) {
  QLabel* unitLabel = nullptr;
  if (!hint.unit.isEmpty() && !hint.unitName.isEmpty()) unitLabel = besideBox(box, hint.unit, hint.unitName);
  // A tooltip the window already gives stays; otherwise the tooltip names the range.
  const QString plainTip = box->toolTip().isEmpty() ? rangeText(hint) : box->toolTip();
  if (hint.rule == NumberRule::Refuse) {
    box->setValidator(new RangeValidator(hint, box));
    box->setToolTip(plainTip);
    return unitLabel;
  }
  mark(box, hint, plainTip);
  QObject::connect(box, &QLineEdit::textChanged, box, [box, hint, plainTip] { mark(box, hint, plainTip); });
  return unitLabel;
}

QLabel* addBoxNote(QLineEdit* box, const QString& text, const QString& name) { return besideBox(box, text, name); }

}  // namespace ui
