#include <iconv.h>

#include <cerrno>
#include <string>

#include "base/codepage.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"

namespace base {
namespace {

const char* iconvName(CodePage page) { return page == CodePage::Cp932 ? "CP932" : "CP1252"; }

// The UTF-8 character that starts at `at`, for messages.
std::string characterAt(std::string_view utf8, std::size_t at) {
  return std::string(utf8Prefix(utf8.substr(at), 1));
}

struct Converter {
  iconv_t handle;
  Converter(const char* to, const char* from) : handle(iconv_open(to, from)) {}
  ~Converter() {
    if (handle != reinterpret_cast<iconv_t>(-1)) iconv_close(handle);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
};

// Converts all of `in`; on failure returns the offset of the byte that could not be converted.
Result<std::string> convert(const char* to, const char* from, std::string_view in, std::size_t& badAt) {
  Converter conv(to, from);
  if (conv.handle == reinterpret_cast<iconv_t>(-1))
    return fail(strcat("This system cannot convert between ", from, " and ", to, "."));
  std::string out(in.size() * 4 + 4, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  if (iconv(conv.handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    badAt = static_cast<std::size_t>(inPtr - in.data());
    return fail(errno == EINVAL ? "incomplete" : "invalid");
  }
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

// The first of the tag characters U+E0000-U+E007F (F3 A0 80 80 to F3 A0 81 BF), which iconv
// drops without a word: no code page holds them.
std::size_t firstTagCharacter(std::string_view utf8) {
  for (std::size_t at = utf8.find("\xF3\xA0"); at != std::string_view::npos; at = utf8.find("\xF3\xA0", at + 1))
    if (at + 2 < utf8.size() && (utf8[at + 2] == '\x80' || utf8[at + 2] == '\x81')) return at;
  return std::string_view::npos;
}

Result<std::string> toCodePage(std::string_view utf8, CodePage page) {
  std::size_t badAt = std::string::npos;
  auto out = convert(iconvName(page), "UTF-8", utf8, badAt);
  if (out) {
    badAt = firstTagCharacter(utf8);
    if (badAt == std::string::npos) return out;
  } else if (badAt >= utf8.size()) {
    return std::unexpected(out.error());
  }
  return fail(strcat("The character \"", validUtf8(characterAt(utf8, badAt)), "\" cannot be written in code page ",
                     static_cast<int>(page), "."));
}

Result<std::string> fromCodePage(std::string_view bytes, CodePage page) {
  std::size_t badAt = std::string::npos;
  auto out = convert("UTF-8", iconvName(page), bytes, badAt);
  if (out) return out;
  if (badAt == std::string::npos) return std::unexpected(out.error());
  return fail(strcat("The text holds a byte sequence that is not valid in code page ",
                     static_cast<int>(page), " (at byte ", badAt, ")."));
}

}  // namespace base
