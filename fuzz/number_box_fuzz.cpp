// The number box on any text: blanks before the number and anything after it change nothing,
// a sign before digits gives the number or its negative, and a value shown with decimals reads
// back as the same count of thousandths or tenths.
#include <cmath>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.hpp"
#include "ui/number_box.hpp"

using fuzz::require;

namespace {

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const double units = input.ConsumeFloatingPoint<double>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const double value = ui::leadingNumber(text);
  require(!std::isnan(value));
  require(same(ui::leadingNumber(" \t " + text), value));
  require(same(ui::leadingNumber(text + "x7"), value));
  if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
    require(same(ui::leadingNumber("+" + text), value));
    require(same(ui::leadingNumber("-" + text), -value));
  }

  for (int decimals : {1, 3}) {
    const std::string shown = ui::decimalText(units, decimals);
    require(!shown.empty() && !shown.ends_with("."));
    if (!(std::fabs(units) < 1e15)) continue;
    if (shown.find('.') != std::string::npos) require(!shown.ends_with("0"));
    const double scale = decimals == 3 ? 1000 : 10;
    require(std::llround(ui::leadingNumber(shown) * scale) == static_cast<long long>(units));
  }
  return 0;
}
