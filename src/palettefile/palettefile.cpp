#include "palettefile/palettefile.hpp"

#include <charconv>
#include <optional>

#include "base/strcat.hpp"
#include "base/utf8.hpp"

namespace palettefile {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// An optional sign and at least one digit, nothing else; nullopt otherwise. Values too large
// for the type read as its limit, which is outside 0-255 all the same.
std::optional<long long> wholeNumber(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  unsigned long long magnitude = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  (void)end;
  if (ec != std::errc{} || magnitude > 1'000'000'000ULL) magnitude = 1'000'000'000ULL;
  const auto value = static_cast<long long>(magnitude);
  return text.front() == '-' ? -value : value;
}

}  // namespace

std::string shownEntry(std::string_view item) {
  // Cut by characters: a cut inside one would leave a message that is not UTF-8.
  return base::utf8Length(item) <= 40 ? std::string(item) : base::strcat(base::utf8Prefix(item, 40), "...");
}

Table identityTable() {
  Table table{};
  for (std::size_t i = 0; i < kEntries; ++i) table[i] = static_cast<std::uint8_t>(i);
  return table;
}

std::string paletteFileText(const Table& table) {
  std::string text;
  text.reserve(kEntries * 7);
  for (auto entry : table) {
    text += ' ';
    text += std::to_string(entry);
    text += " \r\n";
  }
  return text;
}

base::Result<Table> parsePaletteFile(base::ByteSpan file) {
  const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  Table table{};
  std::size_t at = 0;
  for (std::size_t line = 0; line < kEntries; ++line) {
    if (at >= text.size())
      return base::fail(base::strcat("it ends after ", line, line == 1 ? " line" : " lines",
                                     ", but it must hold 256, one entry each"));
    const std::size_t newline = text.find('\n', at);
    const std::size_t lineEnd = newline == std::string_view::npos ? text.size() : newline;
    std::string_view item = text.substr(at, lineEnd - at);
    item = trimmed(item.substr(0, item.find(',')));
    at = lineEnd + 1;
    const auto value = wholeNumber(item);
    if (!value)
      return base::fail(base::strcat("line ", line + 1, " holds \"", shownEntry(item), "\", not a whole number"));
    if (*value < 0 || *value > 255)
      return base::fail(base::strcat("line ", line + 1, " holds ", shownEntry(item), ", but every entry must be from 0 to 255"));
    table[line] = static_cast<std::uint8_t>(*value);
  }
  return table;
}

}  // namespace palettefile
