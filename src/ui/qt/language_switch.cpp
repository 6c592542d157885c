#include "ui/qt/language_switch.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "ui/catalogue.hpp"

namespace ui {
namespace {

constexpr char kContext[] = "brinkit";
// Where a table header keeps its text as designed.
constexpr int kDesignedRole = Qt::UserRole + 0x4C41;

QSettings suiteSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("brinkit"), QStringLiteral("brinkit"));
}

QString english(const QString& text) {
  const auto found = englishOf(text.toStdString());
  return found ? QString::fromStdString(*found) : QString();
}

// The compiled catalogue, for every context: the suite keeps one catalogue, so tr() in any class
// finds its text. Messages composed with names and numbers are matched against the catalogue's
// messages with placeholders.
class CatalogueTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    (void)context;
    if (!source || !*source) return {};
    QString found = QTranslator::translate(kContext, source, disambiguation, n);
    if (!found.isEmpty()) return found;
    return english(QString::fromUtf8(source));
  }
};

// The text as designed behind a text shown: the text itself when the catalogue has it as a
// source, else the source whose English rendering it is (a text a window set in English).
QString designedOf(const QString& shown) {
  static const QHash<QString, QString> byEnglish = [] {
    QHash<QString, QString> out;
    for (std::size_t i = 0; i < catalogue::kEnglishSize; ++i) {
      const catalogue::Entry& entry = catalogue::kEnglish[i];
      if (entry.finished && std::string_view(entry.source) != entry.translation)
        out.insert(QString::fromUtf8(entry.translation), QString::fromUtf8(entry.source));
    }
    return out;
  }();
  if (shown.isEmpty() || englishOf(shown.toStdString())) return shown;
  return byEnglish.value(shown, shown);
}

// One text slot of a control: read, and written.
struct Slot {
  const char* designedKey;
  const char* renderedKey;
  QString (*get)(QObject*);
  void (*set)(QObject*, const QString&);
};

void render(QObject* object, const Slot& slot) {
  const QString shown = slot.get(object);
  const QVariant rendered = object->property(slot.renderedKey);
  // A text changed since it was last rendered was set by the window: it is the new designed one.
  QString designed = rendered.isValid() && rendered.toString() == shown ? object->property(slot.designedKey).toString()
                                                                         : designedOf(shown);
  const QString wanted = translatedText(designed);
  if (wanted != shown) slot.set(object, wanted);
  object->setProperty(slot.designedKey, designed);
  object->setProperty(slot.renderedKey, wanted);
}

QString captionOf(QObject* object) {
  if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->title();
  if (auto* action = qobject_cast<QAction*>(object)) return action->text();
  if (auto* widget = qobject_cast<QWidget*>(object)) return widget->windowTitle();
  return {};
}

void setCaption(QObject* object, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(text);
  else if (auto* menu = qobject_cast<QMenu*>(object)) menu->setTitle(text);
  else if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
  else if (auto* widget = qobject_cast<QWidget*>(object)) widget->setWindowTitle(text);
}

const Slot kCaption{"designedText", "renderedText", captionOf, setCaption};
const Slot kTitle{"designedTitle", "renderedTitle", [](QObject* o) { return static_cast<QWidget*>(o)->windowTitle(); },
                  [](QObject* o, const QString& t) { static_cast<QWidget*>(o)->setWindowTitle(t); }};
const Slot kToolTip{"designedToolTip", "renderedToolTip", [](QObject* o) { return static_cast<QWidget*>(o)->toolTip(); },
                    [](QObject* o, const QString& t) { static_cast<QWidget*>(o)->setToolTip(t); }};
const Slot kActionToolTip{"designedToolTip", "renderedToolTip", [](QObject* o) { return static_cast<QAction*>(o)->toolTip(); },
                          [](QObject* o, const QString& t) { static_cast<QAction*>(o)->setToolTip(t); }};

bool hasCaption(QObject* object) {
  return qobject_cast<QLabel*>(object) || qobject_cast<QAbstractButton*>(object) || qobject_cast<QGroupBox*>(object) ||
         qobject_cast<QMenu*>(object);
}

void renderAction(QAction* action) {
  if (action->isSeparator()) return;
  // An action's tooltip follows its text unless one was set: rendering the text is enough then.
  const bool ownTip = action->property("designedToolTip").isValid() || action->toolTip() != QString(action->text()).remove(QLatin1Char('&'));
  render(action, kCaption);
  if (ownTip) render(action, kActionToolTip);
}

void renderHeaders(QTableWidget* table) {
  for (int column = 0; column < table->columnCount(); ++column) {
    QTableWidgetItem* item = table->horizontalHeaderItem(column);
    if (!item) continue;
    const QVariant kept = item->data(kDesignedRole);
    const QString designed = kept.isValid() ? kept.toString() : designedOf(item->text());
    item->setData(kDesignedRole, designed);
    const QString wanted = translatedText(designed);
    if (item->text() != wanted) item->setText(wanted);
  }
}

void renderWidget(QWidget* widget) {
  if (hasCaption(widget)) render(widget, kCaption);
  if (widget->isWindow() || widget->property("designedTitle").isValid()) render(widget, kTitle);
  if (!widget->toolTip().isEmpty() || widget->property("designedToolTip").isValid()) render(widget, kToolTip);
  if (auto* table = qobject_cast<QTableWidget*>(widget)) renderHeaders(table);
  for (QAction* action : widget->actions()) renderAction(action);
}

std::unique_ptr<CatalogueTranslator>& installedTranslator() {
  static std::unique_ptr<CatalogueTranslator> translator;
  return translator;
}

// Renders each window in the chosen language as it is shown.
class ShowWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Windows opened as designed are shown as made; only a switch back renders them again.
    if (event->type() == QEvent::Show && watched->isWidgetType() && language() != Language::AsDesigned) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow()) renderTexts(widget);
    }
    return false;
  }
};

void watchShownWindows() {
  static bool watching = false;
  if (watching || !qApp) return;
  watching = true;
  qApp->installEventFilter(new ShowWatcher(qApp));
}

}  // namespace

void useLanguage(Language chosen) {
  const bool changed = chosen != language();
  setLanguage(chosen);
  auto& translator = installedTranslator();
  if (qApp) {
    if (chosen == Language::English && !translator) {
      translator = std::make_unique<CatalogueTranslator>();
      if (!translator->load(QStringLiteral(":/i18n/brinkit_en.qm")))
        std::fputs("The English catalogue is missing from this build: English comes from its table alone.\n", stderr);
      QCoreApplication::installTranslator(translator.get());  // sends LanguageChange to every widget
    } else if (chosen == Language::AsDesigned && translator) {
      QCoreApplication::removeTranslator(translator.get());
      translator.reset();
    }
    if (chosen == Language::English) watchShownWindows();
  }
  if (!changed || !qApp) return;
  for (QWidget* window : QApplication::topLevelWidgets()) renderTexts(window);
}

void switchLanguage(Language chosen) {
  suiteSettings().setValue(QStringLiteral("language"),
                           chosen == Language::English ? QStringLiteral("english") : QStringLiteral("as-designed"));
  useLanguage(chosen);
}

Language rememberedLanguage() {
  const auto named = languageNamed(suiteSettings().value(QStringLiteral("language")).toString().toStdString());
  return named.value_or(Language::AsDesigned);
}

QString translatedText(const QString& text) {
  if (language() == Language::AsDesigned || text.isEmpty()) return text;
  const QString found = english(text);
  return found.isNull() ? text : found;
}

QString translatedText(const char* text) { return translatedText(QString::fromUtf8(text)); }

void setDesignedText(QObject* target, const QString& designed) {
  const QString wanted = translatedText(designed);
  if (hasCaption(target) || qobject_cast<QAction*>(target)) {
    setCaption(target, wanted);
    target->setProperty(kCaption.designedKey, designed);
    target->setProperty(kCaption.renderedKey, wanted);
  } else if (auto* widget = qobject_cast<QWidget*>(target)) {
    widget->setWindowTitle(wanted);
    widget->setProperty(kTitle.designedKey, designed);
    widget->setProperty(kTitle.renderedKey, wanted);
  }
}

void setDesignedToolTip(QWidget* target, const QString& designed) {
  const QString wanted = translatedText(designed);
  target->setToolTip(wanted);
  target->setProperty(kToolTip.designedKey, designed);
  target->setProperty(kToolTip.renderedKey, wanted);
}

void renderTexts(QWidget* window) {
  if (!window) return;
  renderWidget(window);
  for (QWidget* child : window->findChildren<QWidget*>()) renderWidget(child);
  for (QAction* action : window->findChildren<QAction*>()) renderAction(action);
}

}  // namespace ui
