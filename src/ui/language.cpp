#include "ui/language.hpp"

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

Language current = Language::AsDesigned;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<Language> languageNamed(std::string_view name) {
  if (sameIgnoringCase(name, "as-designed")) return Language::AsDesigned;
  if (sameIgnoringCase(name, "english")) return Language::English;
  return std::nullopt;
}

Language language() { return current; }
void setLanguage(Language chosen) { current = chosen; }

std::string translated(std::string_view text) { return std::string(text); }

}  // namespace ui
