// Code pages through the system's own tables. Windows maps a character it cannot hold to a
// default character or a look-alike ("best fit"), and maps undefined bytes of 1252 to control
// characters: both are refused here, as iconv refuses them on the other systems.
#include <windows.h>

#include <optional>
#include <string>

#include "base/codepage.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"

namespace base {
namespace {

std::string characterAt(std::string_view utf8, std::size_t at) { return std::string(utf8Prefix(utf8.substr(at), 1)); }

// UTF-8 (or the code page's bytes) to UTF-16; nothing when a byte sequence is invalid.
std::optional<std::wstring> widen(std::string_view bytes, UINT page) {
  if (bytes.empty()) return std::wstring();
  const int length = ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return wide;
}

std::optional<std::string> narrow(std::wstring_view wide, UINT page) {
  if (wide.empty()) return std::string();
  const bool utf8 = page == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* used = utf8 ? nullptr : &usedDefault;
  const int length = ::WideCharToMultiByte(page, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, used);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(page, flags, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr, used);
  if (usedDefault) return std::nullopt;
  // What comes back must be what went in: anything else was a substitute.
  if (!utf8 && widen(out, page) != std::wstring(wide)) return std::nullopt;
  return out;
}

std::optional<std::string> encode(std::string_view utf8, CodePage page) {
  auto wide = widen(utf8, CP_UTF8);
  if (!wide) return std::nullopt;
  return narrow(*wide, static_cast<UINT>(page));
}

// Bytes 1252 leaves undefined, which Windows turns into control characters.
bool undefinedIn1252(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

Result<std::string> toCodePage(std::string_view utf8, CodePage page) {
  if (auto whole = encode(utf8, page)) return *whole;
  // Each character alone tells which one the code page cannot hold.
  for (std::size_t at = 0; at < utf8.size();) {
    const std::string character = characterAt(utf8, at);
    if (!encode(character, page))
      return fail(strcat("The character \"", validUtf8(character), "\" cannot be written in code page ",
                         static_cast<int>(page), "."));
    at += character.size();
  }
  return fail(strcat("The text cannot be written in code page ", static_cast<int>(page), "."));
}

Result<std::string> fromCodePage(std::string_view bytes, CodePage page) {
  std::size_t badAt = std::string_view::npos;
  if (page == CodePage::Cp1252)
    for (std::size_t at = 0; at < bytes.size() && badAt == std::string_view::npos; ++at)
      if (undefinedIn1252(bytes[at])) badAt = at;
  if (badAt == std::string_view::npos) {
    if (auto wide = widen(bytes, static_cast<UINT>(page))) {
      if (auto utf8 = narrow(*wide, CP_UTF8)) return *utf8;
    }
    // The first byte where the text stops being valid: the longest valid start ends there.
    std::size_t good = 0;
    for (std::size_t at = 0; at < bytes.size();) {
      std::size_t taken = 0;
      for (std::size_t length : {std::size_t{1}, std::size_t{2}})
        if (at + length <= bytes.size() && widen(bytes.substr(at, length), static_cast<UINT>(page))) {
          taken = length;
          break;
        }
      if (taken == 0) break;
      at += taken;
      good = at;
    }
    badAt = good;
  }
  return fail(strcat("The text holds a byte sequence that is not valid in code page ", static_cast<int>(page),
                     " (at byte ", badAt, ")."));
}

}  // namespace base
