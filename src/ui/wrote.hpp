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
