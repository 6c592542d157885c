#pragma once
// The value of plain decimal digits with an optional fraction ("123", "12.5", ".5"), no sign,
// read without the locale. A number too large for a double reads as infinity, never as 0
// (std::from_chars leaves its output untouched when the value is out of range); one too small
// to tell from 0 reads 0.
#include <charconv>
#include <limits>
#include <string_view>

namespace base {

inline double decimalValue(std::string_view digits) {
  double value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  (void)end;
  if (ec != std::errc::result_out_of_range) return value;
  for (char c : digits) {
    if (c == '.') break;
    if (c >= '1' && c <= '9') return std::numeric_limits<double>::infinity();
  }
  return 0.0;
}

}  // namespace base
