#pragma once
// The palette table: for each of the 256 pixel indices, the index that takes its place. The
// window keeps it as the 256 cells of its grid (row r holds entry r - 1 as text); every action
// reads the cells when it runs. A palette file holds the table as 256 text lines.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace scalepaint {

constexpr std::size_t kEntries = 256;

// The grid's cells as typed, entry 0 first.
using Cells = std::array<std::string, kEntries>;
// A table that may be applied or saved: every entry 0-255.
using Table = std::array<std::uint8_t, kEntries>;

// INIT: row r holds r - 1.
Cells identityCells();
Table identityTable();

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

// The palette file: line n holds entry n - 1 as " N " and CR LF.
std::string paletteFileText(const Table& table);

// Reads a palette file: 256 lines, each holding one whole number (blanks around it and
// anything after a comma ignored; lines past the 256th are not read). A short file, a line
// without a whole number or an entry outside 0-255 is refused with the reason ("line 3 holds
// \"abc\", not a whole number"), to follow the file's name in a message.
base::Result<Table> parsePaletteFile(base::ByteSpan file);

// The longest palette file read: 256 lines with room for blanks and comments.
constexpr std::size_t kMaxPaletteFileSize = 1 << 20;

}  // namespace scalepaint
