#pragma once
// The palette table as the window keeps it: the 256 cells of its grid (row r holds entry r - 1
// as text); every action reads the cells when it runs. The table and its file are palettefile's.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "palettefile/palettefile.hpp"

namespace scalepaint {

using palettefile::identityTable;
using palettefile::kEntries;
using palettefile::kMaxPaletteFileSize;
using palettefile::paletteFileText;
using palettefile::parsePaletteFile;
using palettefile::Table;

// The grid's cells as typed, entry 0 first.
using Cells = std::array<std::string, kEntries>;

// INIT: row r holds r - 1.
Cells identityCells();

// FILL: every cell takes the leading number of `firstCell` ("12abc" is 12, "" is 0), not
// rounded, in its shortest decimal form ("7.50" gives "7.5").
Cells filledCells(std::string_view firstCell);

// The text a cell shows for a number: shortest decimal form, no exponent, "-0" as "0".
std::string cellText(double value);

// A cell's entry: its leading number rounded to a whole number, halves to the even neighbour
// (2.5 is 2, 3.5 is 4).
double cellValue(std::string_view cell);

// Whether entry 0 is read from row 1 (SAVE) or forced to 0, the transparent index, as MAKE
// and PreView apply it.
enum class EntryZero { FromCell, Forced };

// The table the cells hold; an entry outside 0-255 is refused with a message naming its row.
base::Result<Table> readCells(const Cells& cells, EntryZero zero);

Cells cellsOf(const Table& table);

}  // namespace scalepaint
