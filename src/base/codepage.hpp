#pragma once
// Texts go to and from the host's single-byte/double-byte code page. Code page 932 (Japanese)
// is the default; 1252 (Western) can be chosen.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/error.hpp"

namespace base {

enum class CodePage { Cp932 = 932, Cp1252 = 1252 };

// Parses "932" or "1252".
Result<CodePage> parseCodePage(std::string_view text);

// UTF-8 to the code page's bytes. A character the code page cannot hold is an error that
// names the character, never a silent '?'.
Result<std::string> toCodePage(std::string_view utf8, CodePage page);

// UTF-8 to the code page with one byte for every character: a character that the code page
// holds only as a double-byte pair (or not at all) is an error naming it.
Result<std::string> toSingleByteCodePage(std::string_view utf8, CodePage page);

// The code page's bytes to UTF-8. A byte sequence that is not valid in the code page is an
// error.
Result<std::string> fromCodePage(std::string_view bytes, CodePage page);

// The code page's bytes to UTF-8 for showing: a byte that starts no valid character (alone or
// as a double-byte pair) shows as U+FFFD, so the result is always valid UTF-8.
inline std::string fromCodePageForShowing(std::string_view bytes, CodePage page) {
  if (auto whole = fromCodePage(bytes, page)) return *whole;
  std::string text;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t taken = 0;
    for (std::size_t length : {std::size_t{1}, std::size_t{2}}) {
      if (at + length > bytes.size()) break;
      if (auto character = fromCodePage(bytes.substr(at, length), page); character && !character->empty()) {
        text += *character;
        taken = length;
        break;
      }
    }
    if (taken == 0) {
      text += "\xEF\xBF\xBD";
      taken = 1;
    }
    at += taken;
  }
  return text;
}

}  // namespace base
