#include "orbisk/window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "base/strcat.hpp"
#include "base/system.hpp"
#include "base/utf8.hpp"
#include "orbisk/midi_render.hpp"
#include "orbisk/preview_text.hpp"
#include "orbisk/preview_window.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/folder_dialog.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/remembered.hpp"

namespace orbisk {

namespace {

// What the window remembers between runs.
const QString kOpenKey = QStringLiteral("orbiskOpen");
const QString kOutputKey = QStringLiteral("orbiskOutput");
const QString kSoundFontKey = QStringLiteral("soundFont");

// The window's own dialogs, with the output folder dialog under orbisk's caption.
class FormUi : public ui::QtUi {
 public:
  explicit FormUi(QWidget* parent) : QtUi(parent), parent_(parent) {}

  std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) override {
    ui::FolderDialog dialog(start, parent_);
    dialog.setWindowTitle(QString::fromUtf8(kFolderDialogCaption));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ui::toPath(dialog.folder());
  }

 private:
  QWidget* parent_;
};

// The list's columns, in the order of the header's sections.
enum Column { kNameColumn, kStartColumn, kEndColumn, kSizeColumn, kColumnCount };

// The local files among dropped items, in the order dropped.
std::vector<std::filesystem::path> droppedFiles(const QMimeData* data) {
  std::vector<std::filesystem::path> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) files.push_back(ui::toPath(url.toLocalFile()));
  return files;
}

int clampToInt(std::uint64_t value) { return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX)); }

}  // namespace

Window::Window(const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent),
      ownUi_(std::make_unique<FormUi>(this)),
      ui_(*ownUi_),
      worker_(ui_),
      flow_(worker_.ui(), ui::toPath(QDir::homePath())),
      previewFolder_(std::make_unique<PreviewFolder>()),
      previewFlow_(std::make_unique<Preview>(flow_, *previewFolder_, soundFontFolders(programFolder))) {
  // The program's folder is no place to look in or write to (installed, it is the system's).
  const QString home = QDir::homePath();
  const QString opened = ui::rememberedFolder(kOpenKey);
  flow_.setOpenFolder(ui::toPath(opened.isEmpty() ? home : opened));
  const QString output = ui::rememberedFolder(kOutputKey);
  flow_.setOutputFolder(ui::toPath(output.isEmpty() ? home : output));
  outputFollowsScan_ = output.isEmpty();
  previewFlow_->setSoundFont(ui::toPath(ui::programSettings().value(kSoundFontKey).toString()));
  // What copies killed before they could clean up left behind goes now.
  previewFolder_->sweep();
  makeControls();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent),
      ui_(ui),
      worker_(ui_),
      flow_(worker_.ui(), programFolder),
      previewFolder_(std::make_unique<PreviewFolder>()),
      previewFlow_(std::make_unique<Preview>(flow_, *previewFolder_, soundFontFolders(programFolder))) {
  makeControls();
}

Window::~Window() {
  // The preview window uses the preview's flow: it goes first.
  delete previewWindow_;
  previewWindow_ = nullptr;
  if (!worker_.running()) return;
  worker_.shutDown();
  if (busy_) ui_.setBusy(false);
}

void Window::makeControls() {
  worker_.showProgress = [this](std::uint64_t done, std::uint64_t total) { showProgress(done, total); };
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromUtf8(kCaption));
  setAcceptDrops(true);

  // Top to bottom, in the order the Tab key goes.
  auto kindPanel = [](QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return panel;
  };
  auto kinds = [](QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const char* name : kKindNames) box->addItem(QString::fromUtf8(name));
    return box;
  };
  ui::ControlTable table(this);
  table.add({
      ui::column("window"),
      ui::group("FilePanel", kFilePanel).in("window"),
      ui::row("file").on("FilePanel"),
      ui::button("ReferToFileBtn", kSelectFile).with(ui::kNoAutoDefault).on("FilePanel").in("file").into(selectFile_),
      ui::lineEdit("FileNameEdit").on("FilePanel").in("file", 1).into(fileName_),
      ui::group("OutputFolderPanel", kFolderPanel).in("window"),
      ui::row("folder").on("OutputFolderPanel"),
      ui::button("ChangeFolderBtn", kChangeFolder).with(ui::kNoAutoDefault).on("OutputFolderPanel").in("folder").into(changeFolder_),
      ui::lineEdit("OutputFolderEdit").with(ui::kReadOnly).on("OutputFolderPanel").in("folder", 1).into(outputFolder_),
      ui::custom("KindPanel", kindPanel).in("window"),
      ui::row("kind").on("KindPanel"),
      ui::label("KindLabel", kKindPanel).on("KindPanel").in("kind").buddy("KindComboBox"),
      ui::custom("KindComboBox", kinds).on("KindPanel").in("kind").into(kind_),
      ui::stretch("kind"),
      ui::row("buttons").in("window"),
      ui::button("OpenBtn", kFind).with(ui::kNoAutoDefault | ui::kDefault).in("buttons").into(find_),
      ui::button("ExtractBtn", kSave).with(ui::kNoAutoDefault).in("buttons").into(save_),
      ui::button("PreViewBtn", kPreview).with(ui::kNoAutoDefault).in("buttons").into(preview_),
      ui::button("StopBtn", kStop).with(ui::kNoAutoDefault).in("buttons").into(stop_),
      ui::stretch("buttons"),
      ui::custom("DataListBox", [](QWidget* parent) { return new QTreeWidget(parent); }).in("window", 1).into(list_),
      ui::custom("ProgressBar", [](QWidget* parent) { return new QProgressBar(parent); }).in("window").into(progress_),
      ui::label("SavedLabel", "").in("window").into(saved_),
  });

  // The list's columns stand for the tab stops: each line's fields under the header's sections.
  list_->setColumnCount(kColumnCount);
  QStringList sections;
  for (const char* section : kHeaderSections) sections << QString::fromUtf8(section);
  list_->setHeaderLabels(sections);
  list_->header()->setObjectName(QStringLiteral("ListHeader"));
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  for (int column = 0; column < kColumnCount; ++column)
    list_->setColumnWidth(column, kHeaderWidths[static_cast<std::size_t>(column)]);
  list_->headerItem()->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setMinimumHeight(200);

  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);

  connect(find_, &QPushButton::clicked, this, &Window::find);
  connect(selectFile_, &QPushButton::clicked, this, &Window::selectFile);
  connect(changeFolder_, &QPushButton::clicked, this, &Window::changeFolder);
  connect(save_, &QPushButton::clicked, this, &Window::save);
  connect(stop_, &QPushButton::clicked, this, &Window::stop);
  connect(preview_, &QPushButton::clicked, this, &Window::preview);
  connect(list_, &QTreeWidget::itemClicked, this, &Window::lineClicked);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { previewLine(list_->indexOfTopLevelItem(item)); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!list_->selectedItems().isEmpty()) lineClicked();
  });

  // Idle, with nothing listed: nothing to save, preview or stop yet.
  save_->setEnabled(false);
  preview_->setEnabled(false);
  stop_->setEnabled(false);
  saved_->hide();
  saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  showOutputFolder();
  QMenuBar* bar = ui::addMenuBar(this);
  auto* fileMenu = new QMenu(bar);
  fileMenu->setObjectName(QStringLiteral("mnuFile"));
  ui::setDesignedText(fileMenu, QStringLiteral("&File"));
  bar->addMenu(fileMenu);
  QAction* chooseSoundFont = fileMenu->addAction(QString());
  chooseSoundFont->setObjectName(QStringLiteral("mnuChooseSoundFont"));
  ui::setDesignedText(chooseSoundFont, QStringLiteral("Choose &SoundFont…"));
  connect(chooseSoundFont, &QAction::triggered, this, &Window::chooseSoundFont);
  fileMenu->addSeparator();
  ui::addSuiteMenus(bar, fileMenu, recent_, [this](const ui::RecentFile& file) {
    if (!busy_) fileName_->setText(file.path);
  });
  resize(sizeHint().expandedTo(QSize(560, 520)));

  // The preview window: made now, shown when a resource is previewed. Its previous/next move
  // the selection in the list along.
  previewWindow_ = new PreviewWindow(*previewFlow_, ui_, this);
  previewWindow_->moved = [this](std::optional<std::size_t> old, std::size_t now) {
    if (old) selectLine(static_cast<int>(*old), false);
    selectLine(static_cast<int>(now), true);
  };
  previewWindow_->saved = [this](const SaveReport& report) { showSaved(report); };
}

void Window::selectLine(int line, bool selected) {
  QTreeWidgetItem* item = list_->topLevelItem(line);
  if (!item) return;
  item->setSelected(selected);
  if (selected) list_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

void Window::preview() {
  if (busy_) return;
  QTreeWidgetItem* current = list_->currentItem();
  if (!current && !list_->selectedItems().isEmpty()) current = list_->selectedItems().first();
  if (!current) return;
  list_->clearSelection();
  current->setSelected(true);
  previewLine(list_->indexOfTopLevelItem(current));
}

void Window::previewLine(int line) {
  if (busy_ || line < 0) return;
  if (!previewWindow_->showResource(static_cast<std::size_t>(line)))
    ui_.message(kPreviewFailed, {.title = "Error", .detail = previewWindow_->failure()});
}

void Window::closeEvent(QCloseEvent* event) {
  if (busy_) stop();
  previewWindow_->close();
  if (auto message = previewFolder_->remove()) ui_.message(*message);
  event->accept();
}

void Window::setFileName(const QString& fileName) {
  fileName_->setText(fileName);
  if (QFileInfo(fileName).isFile()) recent_.add(fileName);
}

void Window::chooseSoundFont() {
  ui::FileDialogSpec spec{"Choose SoundFont", "General MIDI SoundFont|*.sf2;*.SF2|All files|*", {}, {}};
  const std::filesystem::path current = previewFlow_->soundFont();
  std::error_code ec;
  spec.startFolder = !current.empty() && std::filesystem::is_directory(current.parent_path(), ec)
                         ? current.parent_path()
                         : std::filesystem::path("/usr/share/sounds/sf2");
  if (!std::filesystem::is_directory(spec.startFolder, ec)) spec.startFolder = ui::toPath(QDir::homePath());
  const auto chosen = ui_.openFile(spec);
  if (!chosen) return;
  previewFlow_->setSoundFont(*chosen);
  if (ownUi_) ui::programSettings().setValue(kSoundFontKey, ui::fromPath(*chosen));
}

void Window::setKind(Kind kind) { kind_->setCurrentIndex(static_cast<int>(kind)); }

void Window::selectFile() {
  const std::string before = fileName_->text().toStdString();
  flow_.fileName = before;
  flow_.selectFile();
  fileName_->setText(ui::toQString(flow_.fileName));
  if (flow_.fileName == before) return;
  recent_.add(fileName_->text());
  if (!ownUi_) return;
  const std::filesystem::path folder = base::pathFromUtf8(flow_.fileName).parent_path();
  flow_.setOpenFolder(folder);
  ui::rememberFolder(kOpenKey, ui::fromPath(folder));
}

void Window::changeFolder() {
  const std::filesystem::path before = flow_.outputFolder();
  flow_.changeFolder();
  showOutputFolder();
  if (!ownUi_ || flow_.outputFolder() == before) return;
  outputFollowsScan_ = false;
  ui::rememberFolder(kOutputKey, ui::fromPath(flow_.outputFolder()));
}

void Window::showOutputFolder() { outputFolder_->setText(ui::fromPath(flow_.outputFolder())); }

void Window::stop() { worker_.stop(); }

void Window::find() {
  if (busy_) return;
  flow_.fileName = fileName_->text().toStdString();
  flow_.kind = static_cast<Kind>(std::max(0, kind_->currentIndex()));
  const std::optional<std::filesystem::path> file = flow_.beginFind();  // says why when it cannot
  if (!file) return;
  recent_.add(*file);
  list_->clear();
  // A new list: what the preview shows belongs to the old one.
  previewWindow_->close();
  previewFlow_->reset();
  progress_->setRange(0, 100);
  progress_->setValue(0);
  percent_ = true;
  setBusy(true);
  const Kind kind = flow_.kind;
  worker_.start([this, file = *file, kind] { scanResult_ = scanFile(file, kind, worker_.ui()); },
              [this, file = *file] {
                // The list is filled and the window idle before the report's box appears.
                worker_.holdMessages();
                if (outputFollowsScan_ && base::isWritableFolder(file.parent_path())) {
                  flow_.setOutputFolder(file.parent_path());
                  showOutputFolder();
                }
                flow_.finishFind(file, *scanResult_);
                scanResult_.reset();
                progress_->setValue(0);
                fillList();
                setBusy(false);
                save_->setEnabled(false);
                preview_->setEnabled(false);
                const std::optional<std::size_t> pending = std::exchange(pendingPreview_, std::nullopt);
                if (pending && *pending < flow_.resources().size()) {
                  lineClicked();
                  list_->setCurrentItem(list_->topLevelItem(static_cast<int>(*pending)));
                  previewLine(static_cast<int>(*pending));
                }
                worker_.releaseMessages();
              });
}

void Window::save() {
  if (busy_) return;
  std::vector<std::size_t> selected;
  for (int line = 0; line < list_->topLevelItemCount(); ++line)
    if (list_->topLevelItem(line)->isSelected()) selected.push_back(static_cast<std::size_t>(line));
  std::error_code ec;
  if (!std::filesystem::is_directory(flow_.outputFolder(), ec)) {
    flow_.save(selected);  // writes nothing and says the folder is missing
    return;
  }
  progress_->setRange(0, std::max(1, list_->topLevelItemCount()));
  progress_->setValue(0);
  percent_ = false;
  setBusy(true);
  worker_.start([this, selected] { saveReport_ = flow_.save(selected, worker_.ui()); },
              [this] {
                setBusy(false);
                progress_->setValue(0);
                showSaved(saveReport_);
              });
}

// "Saved 3 resources to /home/ann/out", with those kept as they were and a Stop said after it.
void Window::showSaved(const SaveReport& report) {
  const std::size_t count = report.written.size();
  if (count == 0 && report.skipped.empty()) {
    saved_->hide();
    return;
  }
  std::string text = base::strcat("Saved ", count, count == 1 ? " resource to " : " resources to ",
                                  ui::fromPath(flow_.outputFolder()).toStdString());
  if (!report.skipped.empty()) text += base::strcat(" (", report.skipped.size(), " existing kept)");
  if (report.stopped) text += "; stopped before the rest";
  saved_->setText(ui::toQString(text));
  saved_->setToolTip(saved_->text());
  saved_->show();
}

void Window::showProgress(std::uint64_t done, std::uint64_t total) {
  if (!busy_ || total == 0) return;
  done = std::min(done, total);
  if (percent_) {
    progress_->setValue(static_cast<int>(static_cast<double>(done) * 100.0 / static_cast<double>(total)));
    return;
  }
  progress_->setMaximum(clampToInt(total));
  progress_->setValue(clampToInt(done));
}

void Window::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  // The file name box and Select File, Find, the list with its header, the kind list, Save,
  // the output folder box and Change folder; Preview, and the preview's Save and previous/next.
  const std::initializer_list<QWidget*> idleOnly = {fileName_, selectFile_, find_, list_,
                                                    kind_,     save_,       outputFolder_, changeFolder_};
  for (QWidget* widget : idleOnly) widget->setEnabled(!busy);
  preview_->setEnabled(!busy && !list_->selectedItems().isEmpty());
  previewWindow_->setToolbarEnabled(!busy);
  stop_->setEnabled(busy);
  ui_.setBusy(busy);
}

void Window::lineClicked() {
  if (busy_) return;
  save_->setEnabled(true);
  preview_->setEnabled(true);
}

void Window::fillList() {
  QList<QTreeWidgetItem*> items;
  for (const std::string& line : flow_.listLines()) {
    QStringList fields = ui::toQString(line).split(QLatin1Char('\t'));
    fields.resize(kColumnCount);
    fields[kSizeColumn] = fields[kSizeColumn].trimmed();  // right-aligned by the column
    auto* item = new QTreeWidgetItem(fields);
    item->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    items << item;
  }
  list_->clear();
  list_->addTopLevelItems(items);
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
  if (!busy_ && !droppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
  const std::vector<std::filesystem::path> files = droppedFiles(event->mimeData());
  if (busy_ || files.empty()) return;
  event->acceptProposedAction();
  flow_.dropFiles(files);
  fileName_->setText(ui::toQString(flow_.fileName));
  if (QFileInfo(fileName_->text()).isFile()) recent_.add(fileName_->text());
}

}  // namespace orbisk
