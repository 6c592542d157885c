#pragma once
// The "detail" grid: one row a fish or egg, ten columns shown as text, and the write-back of
// the cells a user changed.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.hpp"
#include "base/codepage.hpp"
#include "wtkfile/records.hpp"

namespace netkeeper2 {

// The extended-edition tank's records and fields, as every flow here names them.
using namespace wtkfile;

inline constexpr std::size_t kGridColumns = 10;
inline constexpr std::size_t kMaxGridRows = 501;
extern const std::array<std::string_view, kGridColumns> kGridCaptions;

// Columns as numbered on screen (1 … 10); index = column - 1.
enum Column : std::size_t { kKind = 1, kName, kAge, kHealth, kFullness, kCourage, kPower, kSex, kColor, kEgg };

using GridCells = std::array<std::string, kGridColumns>;

struct GridRow {
  std::size_t k = 0;
  std::optional<Base> base;  // none: the row shows its names only and is never written
  GridCells cells;           // as shown at load (UTF-8)
};

// Rows for the first record and each next one, at most 501.
std::vector<GridRow> fillGrid(base::ByteSpan image, base::CodePage codePage);

// "male" and "female" swap; anything else stays.
std::string toggledSex(std::string_view shown);

struct GridWriteReport {
  std::size_t written = 0;        // rows written
  std::size_t pastEnd = 0;        // rows whose fields would lie past the end of the file
};

// Whether a user may change a cell: never the names; nothing in a row without a base; an
// egg's egg count only; every value of a fish but the egg count.
bool cellEditable(const GridRow& row, Column column);
// Why the edited cells cannot be written as they are, naming the first such cell ("Row 2,
// Age cannot be changed: …"): a changed cell that is not editable, or a Sex cell that is not
// "male" or "female". Empty when every change can be written.
std::string uneditableEdit(const std::vector<GridRow>& rows, const std::vector<GridCells>& edited);
// The same for a changed value too large for its single-precision field; empty when none is.
std::string unstorableEdit(const std::vector<GridRow>& rows, const std::vector<GridCells>& edited);
// Why a box's text is too large for a single-precision field, naming it by `caption`; empty
// when it fits.
std::string tooLargeToStore(std::string_view caption, const std::string& text);
// The stored fullness for a percentage of the capacity: capacity × percent × 0.01 as a single.
float fullnessValue(float capacity, double percent);

// Writes the rows back: a cell whose text equals the text shown at load keeps its stored
// bytes; the resets are written to every fish row. `edited` has one entry a row.
GridWriteReport writeGrid(base::Bytes& image, const std::vector<GridRow>& rows, const std::vector<GridCells>& edited);

}  // namespace netkeeper2
