// What the code pages mean whatever converts them: their names, and the single-byte check built
// on the system's conversion (platform/codepage_*.cpp).
#include "base/codepage.hpp"

#include <string>

#include "base/strcat.hpp"
#include "base/utf8.hpp"

namespace base {

Result<CodePage> parseCodePage(std::string_view text) {
  if (text == "932") return CodePage::Cp932;
  if (text == "1252") return CodePage::Cp1252;
  return fail(strcat("Unknown code page \"", text, "\": use 932 or 1252."));
}

Result<std::string> toSingleByteCodePage(std::string_view utf8, CodePage page) {
  auto bytes = toCodePage(utf8, page);
  if (!bytes) return bytes;
  // Each character converted alone tells which one took two bytes.
  for (std::size_t at = 0; bytes->size() != 0 && at < utf8.size();) {
    const std::string character(utf8Prefix(utf8.substr(at), 1));
    auto one = toCodePage(character, page);
    if (one && one->size() > 1)
      return fail(strcat("The character \"", character, "\" has no single-byte code in code page ",
                         static_cast<int>(page), "."));
    at += character.size();
  }
  return bytes;
}

}  // namespace base
