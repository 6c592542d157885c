#pragma once
// The windows' side of the language: switching it at once in every open window, and
// remembering the choice for the whole suite.
#include <QString>

#include "ui/language.hpp"

namespace ui {

// Sets the language, remembers it, and renders every open window's texts in it.
void switchLanguage(Language chosen);

// The language remembered from an earlier run (AsDesigned when none).
Language rememberedLanguage();

// A text for a window in the current language.
QString translatedText(const char* text);

}  // namespace ui
