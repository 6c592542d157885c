#pragma once
// JSON text for the command line's --json output.
#include <string>
#include <string_view>

namespace ui {

// The text as a JSON string literal, quotes included (UTF-8 passes through).
inline std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace ui
