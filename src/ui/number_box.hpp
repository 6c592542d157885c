#pragma once
// How a number box reads its text: the leading decimal number, blanks before it skipped, a sign
// and a fraction allowed; text without a number reads 0 ("abc" is 0, "12abc" is 12).
#include <string_view>

namespace ui {

double leadingNumber(std::string_view text);

}  // namespace ui
