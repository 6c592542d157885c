#include "ui/qt/folder_dialog.hpp"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <system_error>

#include "ui/qt/qt_ui.hpp"
#include "ui/qt/remembered.hpp"

namespace ui {
namespace {

const QString kLastFolderKey = QStringLiteral("folderDialog");

bool isReturn(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A typed or pasted folder as a path: quotes and a file:// address taken off, "~" for the home
// folder, a relative path read from the open folder.
QString typedFolder(QString typed, const QString& openFolder) {
  typed = typed.trimmed();
  if (typed.size() >= 2 && typed.startsWith(QLatin1Char('"')) && typed.endsWith(QLatin1Char('"')))
    typed = typed.mid(1, typed.size() - 2);
  if (typed.startsWith(QStringLiteral("file:"))) typed = QUrl(typed).toLocalFile();
  if (typed == QStringLiteral("~") || typed.startsWith(QStringLiteral("~/")))
    typed = QDir::homePath() + typed.mid(1);
  return QDir::cleanPath(QDir(openFolder).absoluteFilePath(QDir::fromNativeSeparators(typed)));
}

}  // namespace

FolderDialog::FolderDialog(const std::filesystem::path& start, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Choose Folder"));
  setObjectName(QStringLiteral("FolderDialog"));
  browser_ = new FileBrowser(start, this);

  path_ = new QLineEdit(QDir::toNativeSeparators(browser_->folder()), this);
  path_->setObjectName(QStringLiteral("txtPath"));
  path_->setToolTip(QStringLiteral("Type or paste a folder and press Enter to go there"));
  path_->installEventFilter(this);
  auto* newFolder = new QPushButton(QStringLiteral("New Folder"), this);
  newFolder->setObjectName(QStringLiteral("cmdNewFolder"));
  newFolder->setAutoDefault(false);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(newFolder);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(pathRow);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(newFolder, &QPushButton::clicked, this, &FolderDialog::makeFolder);
  connect(browser_, &FileBrowser::folderOpened, this,
          [this](const QString& folder) { path_->setText(QDir::toNativeSeparators(folder)); });
  // Enter on the open folder in the folder list means OK (elsewhere there it opens the folder).
  if (auto* tree = browser_->findChild<QTreeWidget*>()) tree->installEventFilter(this);
  resize(560, 400);
}

void FolderDialog::goToTyped() {
  const QString typed = path_->text();
  if (typed.trimmed().isEmpty()) return;
  const QString target = typedFolder(typed, folder());
  if (target == folder()) {
    accept();
    return;
  }
  if (!QFileInfo(target).isDir() || !browser_->openFolder(target)) {
    QMessageBox::warning(this, windowTitle(),
                         QFileInfo::exists(target)
                             ? QStringLiteral("%1 is not a folder that can be opened.").arg(QDir::toNativeSeparators(target))
                             : QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(target)));
    path_->setFocus();
  }
}

void FolderDialog::makeFolder() {
  bool ok = false;
  const QString name = QInputDialog::getText(this, QStringLiteral("New Folder"),
                                             QStringLiteral("Name of the new folder in %1:")
                                                 .arg(QDir::toNativeSeparators(folder())),
                                             QLineEdit::Normal, QStringLiteral("New Folder"), &ok)
                           .trimmed();
  if (!ok || name.isEmpty()) return;
  const QDir open(folder());
  const QString target = open.absoluteFilePath(name);
  if (name == QStringLiteral(".") || name == QStringLiteral("..") || name.contains(QLatin1Char('/')) ||
      name.contains(QDir::separator())) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("A folder name cannot be \"%1\".").arg(name));
    return;
  }
  if (!QFileInfo(target).isDir() && !open.mkdir(name)) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Cannot make the folder %1.").arg(QDir::toNativeSeparators(target)));
    return;
  }
  browser_->openFolder(target);
}

bool FolderDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == path_ && isReturn(event)) {
    goToTyped();
    return true;
  }
  if (watched != path_ && isReturn(event) && browser_->highlightedFolder() == folder()) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<std::filesystem::path> chooseFolderDialog(QWidget* parent, const std::filesystem::path& start) {
  std::error_code ec;
  std::filesystem::path from = start;
  const QString last = rememberedFolder(kLastFolderKey);
  if (!last.isEmpty() && (start.empty() || std::filesystem::equivalent(start, std::filesystem::current_path(ec), ec)))
    from = toPath(last);
  FolderDialog dialog(from, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  rememberFolder(kLastFolderKey, dialog.folder());
  return toPath(dialog.folder());
}

}  // namespace ui
