#pragma once
// The windows' side of the language: switching it at once in every open window, and
// remembering the choice for the whole suite.
//
// Once English is chosen, every window is rendered in it as it opens and again at each switch:
// its title, the captions of its labels, buttons, check boxes, group boxes, menus and actions,
// its tooltips and its table headers are looked up in the catalogue (translations/brinkit_en.ts)
// and the text as designed is kept on the control, so a switch back restores it. Message boxes
// and dialogs are windows too. Texts a window sets while it is open (status lines, a label
// that counts) go through translatedText where they are set, or are set again from the
// window's LanguageChange event. The translator serves every context, so tr() in any class
// finds the catalogue's text as well.
#include <QObject>
#include <QString>

#include "ui/language.hpp"

class QWidget;

namespace ui {

// Sets the language, remembers it, and renders every open window's texts in it.
void switchLanguage(Language chosen);

// Sets the language for this run only (--language, BRINKIT_LANGUAGE), without remembering it.
void useLanguage(Language chosen);

// The language remembered from an earlier run (AsDesigned when none).
Language rememberedLanguage();

// A text for a window in the current language.
QString translatedText(const char* text);
QString translatedText(const QString& text);

// Gives a label, button, check box, group box, menu, action or window (its title) its text in
// the current language, and keeps the text as designed on it so that a later switch renders
// it again.
void setDesignedText(QObject* target, const QString& designed);
// The same for a widget's tooltip.
void setDesignedToolTip(QWidget* target, const QString& designed);

// Renders the texts of a window and everything in it in the current language.
void renderTexts(QWidget* window);

}  // namespace ui
