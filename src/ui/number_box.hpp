#pragma once
// How a number box reads its text: the leading decimal number, blanks before it skipped, a sign
// and a fraction allowed; text without a number reads 0 ("abc" is 0, "12abc" is 12).
#include <string>
#include <string_view>

namespace ui {

double leadingNumber(std::string_view text);

// A count of thousandths (decimals 3) or tenths (decimals 1) as a box shows it: the decimal
// point only when there is a fraction, no trailing zeros ("26.5", "7", "-0.001").
std::string decimalText(double units, int decimals);

}  // namespace ui
