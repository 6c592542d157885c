// Palette files on any bytes: a file that reads gives a table that writes and reads back the
// same, and lines past the 256th are never read; any table written reads back as itself;
// a refusal ends with one full stop; an entry is quoted in at most 40 characters and "...".
#include <fuzzer/FuzzedDataProvider.h>

#include "base/utf8.hpp"
#include "fuzz_support.hpp"
#include "palettefile/palettefile.hpp"

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  palettefile::Table table{};
  const auto picked = input.ConsumeBytes<std::uint8_t>(palettefile::kEntries);
  std::copy(picked.begin(), picked.end(), table.begin());
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string written = palettefile::paletteFileText(table);
  auto back = palettefile::parsePaletteFile(base::asBytes(written));
  require(back && *back == table);

  const std::string quoted = palettefile::shownEntry(text);
  require(base::utf8Length(quoted) <= 43 && (quoted == text || (quoted.ends_with("...") && text.starts_with(quoted.substr(0, quoted.size() - 3)))));
  // Cut between characters only: the quote of UTF-8 text starts and ends whole.
  if (quoted != text && text.size() > quoted.size() - 3) require(base::startsUtf8Character(text[quoted.size() - 3]));

  auto read = palettefile::parsePaletteFile(base::asBytes(text));
  if (!read) {
    require(!read.error().message.empty() && !read.error().message.ends_with(".."));
    return 0;
  }
  auto again = palettefile::parsePaletteFile(base::asBytes(palettefile::paletteFileText(*read)));
  require(again && *again == *read);
  auto longer = palettefile::parsePaletteFile(base::asBytes(text + "\nnot a number\n"));
  require(longer && *longer == *read);
  return 0;
}
