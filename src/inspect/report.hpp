#pragma once
// What `brinkit inspect` tells about a file: its kind, then sections of fields (each with the
// absolute offset where a hex editor finds it), tables for long lists, and what could not be
// read. The writers turn it into aligned text or one JSON document (docs/inspect.schema.json).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace inspect {

enum class Kind { Fish, Tank, ExtendedTank, Food, Plant, Gravel, FishLibrary, Palette, Container, None };

// The word the JSON gives ("fish", "tank", "wtk" …) and the words the text gives ("fish file" …).
std::string_view kindId(Kind kind);
std::string_view kindName(Kind kind);

// null, a whole number, a decimal number or a text (UTF-8).
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

struct Field {
  std::string name;
  Value value;
  std::optional<std::uint64_t> offset;  // absolute, in the file
  std::uint64_t size = 0;               // bytes the field takes there (0: not one stored field)
  std::optional<std::string> shown;     // the value as the tools show it ("26.5", "male")
};

struct Table {
  std::string title;
  std::vector<std::string> columns;
  std::vector<std::vector<Value>> rows;
};

struct Section {
  std::string title;
  std::optional<std::uint64_t> offset;
  std::vector<Field> fields;
  std::vector<Table> tables;
  std::vector<Section> sections;
};

struct Problem {
  std::optional<std::uint64_t> offset;
  std::string message;
};

struct Report {
  Kind kind = Kind::None;
  std::string variant;  // the food file's layout: "single-frame" or "multi-frame"; else empty
  std::uint64_t fileSize = 0;
  std::string reason;   // why the kind was chosen, or, for None, what was looked for
  std::vector<Section> sections;
  std::vector<Problem> problems;
};

// The aligned text; `file` names the file in the first line.
std::string plainText(const Report& report, std::string_view file);
// One JSON document of the shape docs/inspect.schema.json gives.
std::string jsonText(const Report& report, std::string_view file);

}  // namespace inspect
