#include "scalepaint/palette.hpp"

#include <charconv>
#include <cmath>

#include "base/strcat.hpp"
#include "ui/number_box.hpp"

namespace scalepaint {

Cells identityCells() { return cellsOf(identityTable()); }

std::string cellText(double value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  char text[400];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  if (ec != std::errc{}) return "0";
  return std::string(text, end);
}

Cells filledCells(std::string_view firstCell) {
  Cells cells;
  const double value = ui::leadingNumber(firstCell);
  // A number too large to write out stays as typed, so that reading the rows refuses it.
  cells.fill(std::isfinite(value) ? cellText(value) : std::string(firstCell));
  return cells;
}

double cellValue(std::string_view cell) { return std::nearbyint(ui::leadingNumber(cell)); }

base::Result<Table> readCells(const Cells& cells, EntryZero zero) {
  Table table{};
  for (std::size_t i = 0; i < kEntries; ++i) {
    if (i == 0 && zero == EntryZero::Forced) continue;  // index 0 is transparent and stays 0
    const double value = cellValue(cells[i]);
    if (!(value >= 0 && value <= 255))
      return base::fail(base::strcat("Row ", i + 1, " of the palette holds \"", palettefile::shownEntry(cells[i]),
                                     "\": every entry must be a whole number from 0 to 255."));
    table[i] = static_cast<std::uint8_t>(value);
  }
  return table;
}

Cells cellsOf(const Table& table) {
  Cells cells;
  for (std::size_t i = 0; i < kEntries; ++i) cells[i] = std::to_string(table[i]);
  return cells;
}

}  // namespace scalepaint
