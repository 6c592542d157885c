#pragma once
// The palette table: for each of the 256 pixel indices, the index that takes its place. A
// palette file holds the table as 256 text lines.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace palettefile {

constexpr std::size_t kEntries = 256;

// A table that may be applied or saved: every entry 0-255.
using Table = std::array<std::uint8_t, kEntries>;

// Every index maps to itself.
Table identityTable();

// The palette file: line n holds entry n - 1 as " N " and CR LF.
std::string paletteFileText(const Table& table);

// Reads a palette file: 256 lines, each holding one whole number (blanks around it and
// anything after a comma ignored; lines past the 256th are not read). A short file, a line
// without a whole number or an entry outside 0-255 is refused with the reason ("line 3 holds
// \"abc\", not a whole number"), to follow the file's name in a message.
base::Result<Table> parsePaletteFile(base::ByteSpan file);

// The longest palette file read: 256 lines with room for blanks and comments.
constexpr std::size_t kMaxPaletteFileSize = 1 << 20;

// An entry's text as a message quotes it: at most 40 characters, then "...".
std::string shownEntry(std::string_view item);

}  // namespace palettefile
