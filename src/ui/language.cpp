#include "ui/language.hpp"

#include <algorithm>
#include <cctype>
#include <vector>

#include "ui/catalogue.hpp"

namespace ui {
namespace {

Language current = Language::AsDesigned;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// A catalogue source with placeholders, cut at them: literal, %n, literal, … , literal.
struct Pattern {
  std::vector<std::string_view> literals;  // one more than the placeholders
  std::vector<int> numbers;                // 1 for %1 …
  const catalogue::Entry* entry;
};

std::vector<Pattern> makePatterns() {
  std::vector<Pattern> patterns;
  for (std::size_t i = 0; i < catalogue::kEnglishSize; ++i) {
    const catalogue::Entry& entry = catalogue::kEnglish[i];
    if (!entry.finished) continue;
    const std::string_view source = entry.source;
    Pattern pattern{{}, {}, &entry};
    std::size_t start = 0;
    for (std::size_t at = 0; at + 1 < source.size(); ++at) {
      if (source[at] != '%' || source[at + 1] < '1' || source[at + 1] > '9') continue;
      pattern.literals.push_back(source.substr(start, at - start));
      pattern.numbers.push_back(source[at + 1] - '0');
      start = at + 2;
      ++at;
    }
    if (pattern.numbers.empty()) continue;
    pattern.literals.push_back(source.substr(start));
    patterns.push_back(std::move(pattern));
  }
  // The most specific first: more fixed text, fewer guesses.
  std::ranges::stable_sort(patterns, [](const Pattern& a, const Pattern& b) {
    std::size_t fixedA = 0, fixedB = 0;
    for (auto part : a.literals) fixedA += part.size();
    for (auto part : b.literals) fixedB += part.size();
    return fixedA > fixedB;
  });
  return patterns;
}

// Whether text matches the pattern from its literal `index` on; each placeholder takes at least
// one character, the shortest that lets the rest match.
bool matches(const Pattern& pattern, std::size_t index, std::string_view text, std::vector<std::string_view>& parts) {
  const std::string_view literal = pattern.literals[index];
  if (!text.starts_with(literal)) return false;
  text.remove_prefix(literal.size());
  if (index + 1 == pattern.literals.size()) return text.empty();
  const std::string_view next = pattern.literals[index + 1];
  const bool last = index + 2 == pattern.literals.size();
  // The last placeholder takes all but the closing text; the others the shortest that fits.
  const std::size_t first = last ? text.size() - std::min(text.size(), next.size()) : 1;
  for (std::size_t length = std::max<std::size_t>(first, 1); length <= text.size(); ++length) {
    if (!text.substr(length).starts_with(next)) continue;
    parts.push_back(text.substr(0, length));
    if (matches(pattern, index + 1, text.substr(length), parts)) return true;
    parts.pop_back();
    if (last) return false;
  }
  return false;
}

std::string filledIn(std::string_view translation, const Pattern& pattern, const std::vector<std::string_view>& parts) {
  std::string out;
  for (std::size_t at = 0; at < translation.size(); ++at) {
    if (translation[at] == '%' && at + 1 < translation.size() && translation[at + 1] >= '1' && translation[at + 1] <= '9') {
      const int number = translation[at + 1] - '0';
      for (std::size_t k = 0; k < pattern.numbers.size(); ++k)
        if (pattern.numbers[k] == number) out += parts[k];
      ++at;
      continue;
    }
    out += translation[at];
  }
  return out;
}

const catalogue::Entry* exactEntry(std::string_view text) {
  const catalogue::Entry* begin = catalogue::kEnglish;
  const catalogue::Entry* end = begin + catalogue::kEnglishSize;
  const catalogue::Entry* found = std::lower_bound(
      begin, end, text, [](const catalogue::Entry& entry, std::string_view wanted) { return std::string_view(entry.source) < wanted; });
  if (found == end || std::string_view(found->source) != text || !found->finished) return nullptr;
  return found;
}

}  // namespace

std::optional<Language> languageNamed(std::string_view name) {
  if (sameIgnoringCase(name, "as-designed")) return Language::AsDesigned;
  if (sameIgnoringCase(name, "english")) return Language::English;
  return std::nullopt;
}

std::string unknownLanguageMessage(std::string_view where, std::string_view value) {
  return std::string(where) + " is \"" + std::string(value) + "\": give english or as-designed.";
}

Language language() { return current; }
void setLanguage(Language chosen) { current = chosen; }

std::optional<std::string> englishOf(std::string_view text) {
  if (const catalogue::Entry* entry = exactEntry(text)) return std::string(entry->translation);
  static const std::vector<Pattern> patterns = makePatterns();
  for (const Pattern& pattern : patterns) {
    std::vector<std::string_view> parts;
    if (matches(pattern, 0, text, parts)) return filledIn(pattern.entry->translation, pattern, parts);
  }
  return std::nullopt;
}

std::string translated(std::string_view text) {
  if (current == Language::AsDesigned || text.empty()) return std::string(text);
  return englishOf(text).value_or(std::string(text));
}

}  // namespace ui
