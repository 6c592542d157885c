#include "ui/qt/code_page_menu.hpp"

#include <QActionGroup>

namespace ui {

QMenu* addCodePageMenu(QMenuBar* bar, base::CodePage current, std::function<void(base::CodePage)> onChoose) {
  QMenu* menu = bar->addMenu(QStringLiteral("&Code Page"));
  menu->setObjectName(QStringLiteral("mnuCodePage"));
  auto* group = new QActionGroup(menu);
  const struct {
    const char* name;
    const char* text;
    base::CodePage page;
  } pages[] = {{"mnuCodePage932", "&Japanese (932)", base::CodePage::Cp932},
               {"mnuCodePage1252", "&Western (1252)", base::CodePage::Cp1252}};
  for (const auto& [name, text, page] : pages) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(page == current);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [onChoose, codePage = page] { onChoose(codePage); });
  }
  return menu;
}

}  // namespace ui
