#pragma once
// What every tool says once a file is written, on its status line or on standard output.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace ui {

// "Wrote PATH (1,234 bytes)", the path as the face shows paths.
inline std::string wroteText(std::string_view shownPath, std::uint64_t bytes) {
  return base::strcat("Wrote ", shownPath, " (", base::withThousands(bytes), " bytes)");
}

}  // namespace ui

namespace ui {

// The status line after a window writes: "Wrote lake2.tqn in /home/ann/tanks: 5 fish updated".
// The file's name, the folder as the face shows paths, and what changed (none when empty).
inline std::string wroteInText(std::string_view fileName, std::string_view shownFolder, std::string_view whatChanged) {
  std::string out = base::strcat("Wrote ", fileName, " in ", shownFolder);
  if (!whatChanged.empty()) out += base::strcat(": ", whatChanged);
  return out;
}

}  // namespace ui
