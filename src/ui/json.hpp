#pragma once
// JSON text for the command line's --json output.
#include <string>
#include <string_view>

#include "base/utf8.hpp"

namespace ui {

// The text as a JSON string literal, quotes included: UTF-8 passes through, bytes that are not
// UTF-8 (a file name in another encoding) become U+FFFD, so the output is always valid JSON.
inline std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : base::validUtf8(text)) {
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
