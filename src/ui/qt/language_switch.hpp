#pragma once
// The windows' side of the language: switching it at once in every open window, and
// remembering the choice for the whole suite.
#include <QObject>
#include <QString>

#include "ui/language.hpp"

namespace ui {

// Sets the language, remembers it, and renders every open window's texts in it.
void switchLanguage(Language chosen);

// The language remembered from an earlier run (AsDesigned when none).
Language rememberedLanguage();

// A text for a window in the current language.
QString translatedText(const char* text);

// Gives a label, button, check box, group box, menu, action or window (its title) its text in
// the current language, and keeps the text as designed on it so that a later switch renders
// it again. Texts set otherwise stay as they are until their window sets them anew.
void setDesignedText(QObject* target, const QString& designed);

}  // namespace ui
