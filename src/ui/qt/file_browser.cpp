#include "ui/qt/file_browser.hpp"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"

namespace ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

bool isReadableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isReadable() && QDir(folder).isReadable();
}

// The folder itself when it can be read, else its nearest ancestor that can, else the current folder.
QString nearestReadableFolder(const QString& start) {
  QString folder = start.isEmpty() ? QDir::currentPath() : QFileInfo(start).absoluteFilePath();
  for (QDir dir(folder);;) {
    if (isReadableFolder(dir.absolutePath())) return dir.absolutePath();
    if (dir.isRoot()) break;
    dir.setPath(QFileInfo(dir.absolutePath()).path());
  }
  return QDir::currentPath();
}

// Whether folder lies on the volume mounted at drive.
bool isOnDrive(const QString& folder, const QString& drive) {
  if (folder == drive) return true;
  const QString prefix = drive.endsWith(QLatin1Char('/')) ? drive : drive + QLatin1Char('/');
  return folder.startsWith(prefix, QDir::rootPath() == QLatin1String("/") ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

// The folder list is a fixed chain from the root down, not a tree to fold: no branch marks.
class FolderList : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

}  // namespace

QStringList FileBrowser::drives() {
#ifdef Q_OS_WIN
  // The drive letters in order ("C:/"), the system's drive among them.
  QStringList letters;
  for (const QFileInfo& drive : QDir::drives()) letters << drive.absoluteFilePath();
  if (!letters.contains(QDir::rootPath(), Qt::CaseInsensitive)) letters.prepend(QDir::rootPath());
  return letters;
#else
  QStringList volumes;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = QDir::cleanPath(volume.rootPath());
    if (QFileInfo(root).isDir()) volumes << root;  // some systems mount single files too
  }
  volumes.sort(Qt::CaseInsensitive);
  QStringList out;
  out << QDir::rootPath();
  for (const QString& volume : volumes)
    if (!out.contains(volume)) out << volume;
  return out;
#endif
}

FileBrowser::FileBrowser(const std::filesystem::path& start, QWidget* parent) : QWidget(parent) {
  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("Drive1"));
  for (const QString& drive : drives()) drives_->addItem(QDir::toNativeSeparators(drive), drive);

  pathLabel_ = new PathLabel(this);
  pathLabel_->setObjectName(QStringLiteral("lblPath"));
  pathLabel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  pathLabel_->setMargin(2);

  folders_ = new FolderList(this);
  folders_->setObjectName(QStringLiteral("Dir1"));
  folders_->setHeaderHidden(true);
  folders_->setRootIsDecorated(false);
  folders_->setItemsExpandable(false);
  folders_->setIndentation(14);
  folders_->setUniformRowHeights(true);
  folders_->installEventFilter(this);

  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("File1"));
  files_->setSelectionMode(QAbstractItemView::SingleSelection);

  auto* driveCaption = new QLabel(QStringLiteral("&Drive:"), this);
  driveCaption->setBuddy(drives_);
  auto* folderCaption = new QLabel(QStringLiteral("F&olders"), this);
  folderCaption->setBuddy(folders_);
  auto* fileCaption = new QLabel(QStringLiteral("&Files"), this);
  fileCaption->setBuddy(files_);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(driveCaption, 0, 0);
  grid->addWidget(drives_, 0, 1, 1, 2);
  grid->addWidget(pathLabel_, 1, 0, 1, 3);
  grid->addWidget(folderCaption, 2, 0, 1, 2);
  grid->addWidget(fileCaption, 2, 2);
  grid->addWidget(folders_, 3, 0, 1, 2);
  grid->addWidget(files_, 3, 2);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(2, 2);
  grid->setRowStretch(3, 1);

  connect(drives_, &QComboBox::activated, this, &FileBrowser::chooseDrive);
  connect(folders_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { openItem(item); });
  connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { emit fileClicked(selectedFile()); });
  connect(files_, &QListWidget::itemActivated, this, [this](QListWidgetItem*) { emit fileActivated(selectedFile()); });

  openFolder(nearestReadableFolder(start.empty() ? QString() : fromPath(start)));
}

bool FileBrowser::openFolder(const QString& folder) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  if (!isReadableFolder(absolute)) return false;
  folder_ = absolute;
  pathLabel_->setPath(QDir::toNativeSeparators(folder_));
  fillFolders();
  files_->clear();
  refreshFiles();
  selectDriveOf(folder_);
  emit folderOpened(folder_);
  return true;
}

void FileBrowser::fillFolders() {
  QStringList chain;  // the open folder and its ancestors, root first
  for (QDir dir(folder_);;) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot() || !dir.cdUp()) break;
  }

  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  folders_->clear();
  QTreeWidgetItem* parent = nullptr;
  for (const QString& path : chain) {
    const QString name = parent ? QFileInfo(path).fileName() : QDir::toNativeSeparators(path);
    auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(folders_, {name});
    item->setData(0, kPathRole, path);
    item->setIcon(0, openIcon);
    parent = item;
  }
  QTreeWidgetItem* open = parent;

  const QDir dir(folder_);
  for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QTreeWidgetItem(open, {sub.fileName()});
    item->setData(0, kPathRole, sub.absoluteFilePath());
    item->setIcon(0, closedIcon);
  }
  folders_->expandAll();
  folders_->setCurrentItem(open);
  folders_->scrollToItem(open);
}

void FileBrowser::setPattern(const QString& pattern) {
  pattern_ = pattern;
  refreshFiles();
}

void FileBrowser::refreshFiles() {
  const QListWidgetItem* current = files_->currentItem();
  const QString kept = current && current->isSelected() ? current->text() : QString();
  files_->clear();
  QDir dir(folder_);
  dir.setNameFilters(pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts));
  // Without QDir::CaseSensitive the patterns match in any case: "*.tqn" lists "LAKE.TQN" too.
  files_->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
  if (!kept.isEmpty()) selectFile(kept);
}

QString FileBrowser::selectedFile() const {
  const auto selected = files_->selectedItems();
  if (selected.isEmpty()) return {};
  return QDir(folder_).filePath(selected.front()->text());
}

bool FileBrowser::selectFile(const QString& name) {
  const auto found = files_->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  files_->setCurrentItem(found.front());
  found.front()->setSelected(true);
  return true;
}

QStringList FileBrowser::listedFiles() const {
  QStringList names;
  for (int i = 0; i < files_->count(); ++i) names << files_->item(i)->text();
  return names;
}

void FileBrowser::selectDriveOf(const QString& folder) {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < drives_->count(); ++i) {
    const QString drive = drives_->itemData(i).toString();
    if (isOnDrive(folder, drive) && drive.size() > bestLength) {
      best = i;
      bestLength = drive.size();
    }
  }
  drives_->setCurrentIndex(best);
}

void FileBrowser::chooseDrive(int index) {
  const QString drive = drives_->itemData(index).toString();
  if (openFolder(drive)) return;
  selectDriveOf(folder_);
  QMessageBox::warning(this, window()->windowTitle(),
                       QStringLiteral("The drive %1 cannot be read.").arg(QDir::toNativeSeparators(drive)));
}

void FileBrowser::openItem(QTreeWidgetItem* item) {
  if (!item) return;
  const QString path = item->data(0, kPathRole).toString();
  if (openFolder(path)) return;
  QMessageBox::warning(this, window()->windowTitle(),
                       QStringLiteral("The folder %1 cannot be opened.").arg(QDir::toNativeSeparators(path)));
  openFolder(nearestReadableFolder(folder_));  // it may have vanished: show what is there now
}

QString FileBrowser::highlightedFolder() const {
  const QTreeWidgetItem* item = folders_->currentItem();
  return item ? item->data(0, kPathRole).toString() : QString();
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the folder list opens the folder; it must not also press a dialog's default button.
  if (watched == folders_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      openItem(folders_->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ui
