#include "ui/qt/language_switch.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QWidget>

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

void setDesignedText(QObject* target, const QString& designed) {
  target->setProperty("designedText", designed);
  const QString text = QString::fromStdString(translated(designed.toStdString()));
  if (auto* label = qobject_cast<QLabel*>(target)) label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(target)) button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(target)) group->setTitle(text);
  else if (auto* menu = qobject_cast<QMenu*>(target)) menu->setTitle(text);
  else if (auto* action = qobject_cast<QAction*>(target)) action->setText(text);
  else if (auto* widget = qobject_cast<QWidget*>(target)) widget->setWindowTitle(text);
}

}  // namespace ui
