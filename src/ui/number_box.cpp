#include "ui/number_box.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "base/decimal.hpp"

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
  const double value = base::decimalValue(text.substr(start, at - start));
  return negative ? -value : value;
}

std::string decimalText(double units, int decimals) {
  const std::uint64_t scale = decimals == 3 ? 1000 : decimals == 1 ? 10 : 1;
  if (!(std::fabs(units) < 1e15)) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", units / static_cast<double>(scale));
    return text;
  }
  const auto whole = static_cast<std::int64_t>(units);
  const std::uint64_t magnitude = whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : static_cast<std::uint64_t>(whole);
  std::string text = (whole < 0 ? "-" : "") + std::to_string(magnitude / scale);
  if (scale == 1) return text;
  std::string fraction = std::to_string(magnitude % scale);
  fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace ui
