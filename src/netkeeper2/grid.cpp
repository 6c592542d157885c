#include "netkeeper2/grid.hpp"

#include <algorithm>
#include <cmath>

#include "base/strcat.hpp"
#include "ui/number_box.hpp"

namespace netkeeper2 {

const std::array<std::string_view, kGridColumns> kGridCaptions = {"Fish Kind", "Name",  "Age", "Health", "Fullness",
                                                                  "Courage",   "Power", "Sex", "Color",  "egg"};

namespace {

std::string& cell(GridCells& cells, Column column) { return cells[column - 1]; }
const std::string& cell(const GridCells& cells, Column column) { return cells[column - 1]; }

// The floor of a ratio worked out from a single-precision field. The field holds the value
// typed only to its own precision (0.7 is stored as 0.69999999), so the ratio is lifted by that
// precision first: a value reads back as typed, and one truly below a step stays below it.
double flooredFromSingle(double ratio) { return std::floor(ratio + std::fabs(ratio) * 0x1p-22); }

std::string thousandths(float value) {
  if (!std::isfinite(value)) return "0";
  return ui::decimalText(flooredFromSingle(static_cast<double>(value) * 1000.0), 3);
}

std::string fullnessText(float fullness, float capacity) {
  if (capacity == 0.0f || !std::isfinite(fullness) || !std::isfinite(capacity)) return "0";
  return ui::decimalText(flooredFromSingle(static_cast<double>(fullness) * 1000.0 / static_cast<double>(capacity)), 1);
}

GridCells shownCells(base::ByteSpan image, std::size_t k, const std::optional<Base>& found, base::CodePage codePage) {
  GridCells cells;
  const auto names = readNameBlock(image, k);
  cell(cells, kKind) = std::string(*kindAt(image, k));
  cell(cells, kName) = base::fromCodePageForShowing(names.nickname, codePage);
  if (!found) return cells;
  const std::size_t b = found->b;
  // Age in thousandths of a day: minutes * 1000 / 1440, counted exactly.
  cell(cells, kAge) = ui::decimalText(static_cast<double>(std::uint64_t{readU32(image, b + field::kAge)} * 1000 / 1440), 3);
  cell(cells, kHealth) = thousandths(readSingle(image, b + field::kHealth));
  cell(cells, kFullness) = fullnessText(readSingle(image, b + field::kFullness), readSingle(image, b + field::kCapacity));
  cell(cells, kCourage) = thousandths(readSingle(image, b + field::kCourage));
  cell(cells, kPower) = thousandths(readSingle(image, b + field::kPower));
  cell(cells, kSex) = found->kind == BaseKind::Male ? "male" : found->kind == BaseKind::Female ? "female" : "egg";
  cell(cells, kColor) = thousandths(readSingle(image, b + field::kColour));
  cell(cells, kEgg) = std::to_string(readI32(image, b + field::kEggs));
  return cells;
}

float single(const std::string& text) { return static_cast<float>(ui::leadingNumber(text)); }

// The typed text as a message quotes it: at most 40 bytes.
std::string quoted(std::string_view text) {
  return base::strcat("\"", text.size() <= 40 ? text : text.substr(0, 40), text.size() <= 40 ? "" : "...", "\"");
}

std::string cellName(std::size_t r, Column column) { return base::strcat("Row ", r + 1, ", ", kGridCaptions[column - 1]); }

}  // namespace

float fullnessValue(float capacity, double percent) {
  return static_cast<float>(static_cast<double>(capacity) * wholeNumber(percent) * 0.01);
}

std::string tooLargeToStore(std::string_view caption, const std::string& text) {
  const double value = ui::leadingNumber(text);
  if (std::isfinite(static_cast<float>(value))) return {};
  return base::strcat(caption, " ", quoted(text), " is too large to store: the largest value is about 3.4e38.");
}

bool cellEditable(const GridRow& row, Column column) {
  if (!row.base || column == kKind || column == kName) return false;
  return row.base->kind == BaseKind::Egg ? column == kEgg : column != kEgg;
}

std::string uneditableEdit(const std::vector<GridRow>& rows, const std::vector<GridCells>& edited) {
  for (std::size_t r = 0; r < rows.size() && r < edited.size(); ++r) {
    for (std::size_t c = 1; c <= kGridColumns; ++c) {
      const auto column = static_cast<Column>(c);
      const std::string& now = cell(edited[r], column);
      if (now == cell(rows[r].cells, column)) continue;
      if (!cellEditable(rows[r], column)) {
        const char* why = column == kKind || column == kName ? "the names are shown, not edited"
                          : !rows[r].base                    ? "this row has no fish values to edit"
                          : column == kEgg                   ? "a fish has no egg count"
                                                             : "an egg has only its egg count";
        return base::strcat(cellName(r, column), " cannot be changed: ", why, ".");
      }
      if (column == kSex && now != "male" && now != "female")
        return base::strcat(cellName(r, column), " takes male or female, not ", quoted(now), ".");
    }
  }
  return {};
}

std::string unstorableEdit(const std::vector<GridRow>& rows, const std::vector<GridCells>& edited) {
  for (std::size_t r = 0; r < rows.size() && r < edited.size(); ++r)
    for (Column column : {kHealth, kFullness, kCourage, kPower, kColor}) {
      const std::string& now = cell(edited[r], column);
      if (now == cell(rows[r].cells, column)) continue;
      if (auto why = tooLargeToStore(cellName(r, column), now); !why.empty()) return why;
    }
  return {};
}

std::vector<GridRow> fillGrid(base::ByteSpan image, base::CodePage codePage) {
  std::vector<GridRow> rows;
  for (auto record = findFirstRecord(image); record && rows.size() < kMaxGridRows;
       record = findNextRecord(image, record->k)) {
    GridRow row{record->k, findBase(image, record->k), {}};
    row.cells = shownCells(image, row.k, row.base, codePage);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string toggledSex(std::string_view shown) {
  if (shown == "male") return "female";
  if (shown == "female") return "male";
  return std::string(shown);
}

GridWriteReport writeGrid(base::Bytes& image, const std::vector<GridRow>& rows, const std::vector<GridCells>& edited) {
  GridWriteReport report;
  for (std::size_t r = 0; r < rows.size() && r < edited.size(); ++r) {
    const auto& row = rows[r];
    if (!row.base) continue;
    const std::size_t b = row.base->b;
    const auto& now = edited[r];
    auto changed = [&](Column column) { return cell(now, column) != cell(row.cells, column); };
    if (row.base->kind == BaseKind::Egg) {
      if (b + field::kEggs + 4 > image.size()) {
        ++report.pastEnd;
        continue;
      }
      if (changed(kEgg)) {
        const double eggs = std::clamp(wholeNumber(ui::leadingNumber(cell(now, kEgg))), 1.0, 255.0);
        writeI32(image, b + field::kEggs, static_cast<std::int32_t>(eggs));
      }
      ++report.written;
      continue;
    }
    if (b + field::kEnd > image.size()) {
      ++report.pastEnd;
      continue;
    }
    writeResets(image, b);
    for (std::size_t at : {field::kPowerCompanions, field::kPowerCompanions + 4, field::kCourageCompanions,
                           field::kCourageCompanions + 4})
      writeSingle(image, b + at, 100.0f);
    if (changed(kAge)) base::putU32(image.data() + b + field::kAge, ageMinutes(ui::leadingNumber(cell(now, kAge))));
    if (changed(kHealth)) writeSingle(image, b + field::kHealth, single(cell(now, kHealth)));
    if (changed(kFullness)) {
      const float capacity = readSingle(image, b + field::kCapacity);
      writeSingle(image, b + field::kFullness, fullnessValue(capacity, ui::leadingNumber(cell(now, kFullness))));
    }
    if (changed(kCourage)) writeSingle(image, b + field::kCourage, single(cell(now, kCourage)));
    if (changed(kPower)) writeSingle(image, b + field::kPower, single(cell(now, kPower)));
    if (changed(kSex)) {
      if (cell(now, kSex) == "female") writeI32(image, b + field::kSex, kFemale);
      if (cell(now, kSex) == "male") writeI32(image, b + field::kSex, kMale);
    }
    if (changed(kColor)) writeSingle(image, b + field::kColour, single(cell(now, kColor)));
    ++report.written;
  }
  return report;
}

}  // namespace netkeeper2
