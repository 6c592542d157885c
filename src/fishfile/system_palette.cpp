#include "fishfile/system_palette.hpp"

#include <cstdint>

namespace fishfile {
namespace {

base::Palette makeSystemPalette() {
  base::Palette palette{};
  for (int i = 0; i <= 214; ++i) {
    palette[i] = {static_cast<std::uint8_t>(255 - 51 * (i / 36)),
                  static_cast<std::uint8_t>(255 - 51 * ((i / 6) % 6)),
                  static_cast<std::uint8_t>(255 - 51 * (i % 6))};
  }
  constexpr std::uint8_t levels[10] = {238, 221, 187, 170, 136, 119, 85, 68, 34, 17};
  for (int k = 0; k < 10; ++k) {
    std::uint8_t v = levels[k];
    palette[215 + k] = {v, 0, 0};
    palette[225 + k] = {0, v, 0};
    palette[235 + k] = {0, 0, v};
    palette[245 + k] = {v, v, v};
  }
  palette[255] = {0, 0, 0};
  return palette;
}

}  // namespace

const base::Palette& systemPalette() {
  static const base::Palette palette = makeSystemPalette();
  return palette;
}

}  // namespace fishfile
