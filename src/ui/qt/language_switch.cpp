#include "ui/qt/language_switch.hpp"

#include <QSettings>

namespace ui {
namespace {

QSettings suiteSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("brinkit"), QStringLiteral("brinkit"));
}

}  // namespace

void switchLanguage(Language chosen) {
  setLanguage(chosen);
  suiteSettings().setValue(QStringLiteral("language"),
                           chosen == Language::English ? QStringLiteral("english") : QStringLiteral("as-designed"));
}

Language rememberedLanguage() {
  const auto named = languageNamed(suiteSettings().value(QStringLiteral("language")).toString().toStdString());
  return named.value_or(Language::AsDesigned);
}

QString translatedText(const char* text) { return QString::fromStdString(translated(text)); }

}  // namespace ui
