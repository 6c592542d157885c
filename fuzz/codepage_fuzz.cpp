// Code-page conversion both ways, 932 and 1252, on any bytes. Bytes read in a code page give
// valid UTF-8 that writes back: the same bytes in 1252, and in 932 bytes that read back to the
// same text. UTF-8 written in a code page reads back as the same text, but for the characters
// that 932 writes as its look-alikes; nothing is ever dropped. A text written one byte a
// character has one byte for each. Refusals end with one full stop.
#include <optional>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "base/codepage.hpp"
#include "base/utf8.hpp"
#include "fuzz_support.hpp"

using fuzz::require;

namespace {

// The code points of strict UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
std::optional<std::vector<char32_t>> decode(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return std::nullopt;
    char32_t c = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = c << 6 | (next & 0x3F);
    }
    if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    out.push_back(c);
    i += n;
  }
  return out;
}

// What code page 932 reads back for a character it writes as a look-alike.
char32_t readBackIn932(char32_t c) {
  switch (c) {
    case 0xA2: return 0xFFE0;
    case 0xA3: return 0xFFE1;
    case 0xA5: return 0x5C;
    case 0xAC: return 0xFFE2;
    case 0x2014: return 0x2015;
    case 0x2016: return 0x2225;
    case 0x203E: return 0x7E;
    case 0x2212: return 0xFF0D;
    case 0x301C: return 0xFF5E;
    default: return c;
  }
}

void checkRefusal(const base::Error& error) {
  require(error.message.ends_with(".") && !error.message.ends_with(".."));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto page = input.ConsumeBool() ? base::CodePage::Cp1252 : base::CodePage::Cp932;
  const std::string text = input.ConsumeRemainingBytesAsString();

  // The code page's bytes to UTF-8 and back.
  if (auto read = base::fromCodePage(text, page)) {
    require(decode(*read).has_value());
    auto written = base::toCodePage(*read, page);
    require(written.has_value());
    if (page == base::CodePage::Cp1252) require(*written == text);
    auto again = base::fromCodePage(*written, page);
    require(again && *again == *read);
  } else {
    checkRefusal(read.error());
  }

  // UTF-8 to the code page's bytes and back.
  const auto points = decode(text);
  if (auto written = base::toCodePage(text, page)) {
    require(points.has_value());
    auto back = base::fromCodePage(*written, page);
    require(back.has_value());
    const auto backPoints = decode(*back);
    require(backPoints && backPoints->size() == points->size());
    for (std::size_t i = 0; i < points->size(); ++i)
      require((*backPoints)[i] == (page == base::CodePage::Cp932 ? readBackIn932((*points)[i]) : (*points)[i]));
    if (auto single = base::toSingleByteCodePage(text, page)) require(single->size() == points->size() && *single == *written);
    else checkRefusal(single.error());
  } else {
    checkRefusal(written.error());
    require(!base::toSingleByteCodePage(text, page).has_value());
  }
  return 0;
}
