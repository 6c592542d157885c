#pragma once
// UTF-8 text, as the boxes and the command line hold it: counted and cut by characters (a
// character is a byte that is not a continuation byte, 10xxxxxx, with the continuation bytes
// after it), and turned into a path.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace base {

inline bool startsUtf8Character(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The characters in text.
inline std::size_t utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += startsUtf8Character(c);
  return count;
}

// The UTF-16 units of text, as a text box counts them: a character beyond the basic plane
// (four bytes in UTF-8) counts two.
inline std::size_t utf16Length(std::string_view text) {
  std::size_t count = 0;
  for (char c : text)
    if (startsUtf8Character(c)) count += static_cast<unsigned char>(c) >= 0xF0 ? 2 : 1;
  return count;
}

// The first `count` characters of text, all of it when it is shorter. The first byte always
// starts a character, so a text never begins inside one.
inline std::string_view utf8Prefix(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t seen = 0; at < text.size() && seen < count; ++seen) {
    ++at;
    while (at < text.size() && !startsUtf8Character(text[at])) ++at;
  }
  return text.substr(0, at);
}

// The last `count` characters of text, all of it when it is shorter.
inline std::string_view utf8Suffix(std::string_view text, std::size_t count) {
  std::size_t at = text.size();
  for (std::size_t seen = 0; seen < count && at > 0;)
    if (startsUtf8Character(text[--at])) ++seen;
  return text.substr(at);
}

// The text with every byte that does not belong to a well-formed UTF-8 character (a stray
// continuation byte, a character cut short, an overlong form, a surrogate, a value past
// U+10FFFF) replaced by U+FFFD, one for each maximal ill-formed part, as decoders do.
inline std::string validUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += text[i++];
      continue;
    }
    // The length the lead byte announces and the range its first continuation byte must lie in.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    std::size_t good = length == 0 ? 0 : 1;  // bytes of the character that are right so far
    while (good != 0 && good < length && i + good < text.size()) {
      const auto byte = static_cast<unsigned char>(text[i + good]);
      if (byte < (good == 1 ? low : 0x80) || byte > (good == 1 ? high : 0xBF)) break;
      ++good;
    }
    if (good == length && length != 0) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      out += "\xEF\xBF\xBD";
      i += good == 0 ? 1 : good;
    }
  }
  return out;
}

// The path that UTF-8 text names, whatever the system's own encoding of names: the inverse of
// base::displayPath.
inline std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace base
