#pragma once
// The kinds of fish netkeeper knows: the kind name read from the first fish record is looked
// up byte for byte (case-sensitive) among 42 names.
#include <array>
#include <string_view>

namespace netkeeper {

struct Kind {
  int number = 0;             // 1..42
  std::string_view name;      // the bytes in the file; empty when they are not known
  std::string_view caption;   // what the dialogs show
  int presetAge = 0;          // days, the Age box's preset
  bool geneCapable = false;
};

inline constexpr std::size_t kKindCount = 42;
const std::array<Kind, kKindCount>& kindTable();

// The kind whose name equals these bytes, or nullptr (kind number 0).
const Kind* findKind(std::string_view nameBytes);
// Kind number 1..42, or nullptr.
const Kind* kindByNumber(int number);
// The kinds that carry genes: "Discus", "Guppy", "KilliFish", "MarbleAngel", "Kingyo".
bool isGeneCapableName(std::string_view nameBytes);

inline constexpr std::string_view kGuppy = "Guppy";

}  // namespace netkeeper
