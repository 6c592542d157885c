// Palette files and grid cells on any text: a file that is read must save and read back to
// the same table; every cell text reads as a number without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "scalepaint/palette.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::ByteSpan bytes(data, size);
  if (auto table = scalepaint::parsePaletteFile(bytes)) {
    auto back = scalepaint::parsePaletteFile(base::asBytes(scalepaint::paletteFileText(*table)));
    if (!back || *back != *table) std::abort();
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  scalepaint::Cells cells = scalepaint::filledCells(text);
  cells[1] = std::string(text.substr(0, 64));
  (void)scalepaint::readCells(cells, scalepaint::EntryZero::FromCell);
  (void)scalepaint::readCells(cells, scalepaint::EntryZero::Forced);
  return 0;
}
