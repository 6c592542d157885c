#pragma once
// Shows at once how a number box will be read: a box whose value the flow refuses outside a range
// refuses the keystroke; a box the flow clamps or reads leniently ("abc" is 0) is framed and its
// tooltip says the value it will be read as. The box's text and reading rule do not change.
#include <QString>

class QLabel;
class QLineEdit;

namespace ui {

enum class NumberRule {
  Refuse,  // the flow refuses a value outside [low, high]: a validator refuses the keystroke
  Clamp,   // the flow holds the value to [low, high]: the box is marked when that happens
  Lenient, // the flow reads any text by its leading number: the box is marked when text is ignored
};

struct NumberBoxHint {
  double low = 0;
  double high = 0;
  int decimals = 0;  // digits allowed after the point (whole numbers are rounded when 0)
  NumberRule rule = NumberRule::Lenient;
  QString unit;      // "litres", "°C", "%"; empty for none
  QString unitName;  // object name of a unit label beside the box; empty puts the unit in the tooltip only
};

// The property a marked box carries ("numberHint" = true) and its frame.
inline constexpr const char* kNumberHintProperty = "numberHint";

// Attaches the validator or marking, and the unit, to `box`; returns the unit label, if any.
QLabel* attachNumberHint(QLineEdit* box, const NumberBoxHint& hint);

// A note beside `box` (after its unit label, if any), e.g. what an unusual value does.
QLabel* addBoxNote(QLineEdit* box, const QString& text, const QString& name);

// How `text` will be read under `hint`, or empty when it is read as typed.
QString numberReading(const QString& text, const NumberBoxHint& hint);

}  // namespace ui
