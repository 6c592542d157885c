#include "ui/qt/folder_dialog.hpp"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/qt_ui.hpp"

namespace ui {

FolderDialog::FolderDialog(const std::filesystem::path& start, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Choose Folder"));
  setObjectName(QStringLiteral("FolderDialog"));
  browser_ = new FileBrowser(start, this);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(560, 400);
}

std::optional<std::filesystem::path> chooseFolderDialog(QWidget* parent, const std::filesystem::path& start) {
  FolderDialog dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return toPath(dialog.folder());
}

}  // namespace ui
