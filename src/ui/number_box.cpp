#include "ui/number_box.hpp"

#include <charconv>

namespace ui {

double leadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t start = at;
  auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  std::size_t digits = 0;
  for (; isDigit(at); ++at) ++digits;
  if (at < text.size() && text[at] == '.')
    for (++at; isDigit(at); ++at) ++digits;
  if (digits == 0) return 0.0;
  double value = 0;
  std::from_chars(text.data() + start, text.data() + at, value, std::chars_format::fixed);
  return negative ? -value : value;
}

}  // namespace ui
