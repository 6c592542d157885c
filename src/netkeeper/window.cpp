#include "netkeeper/window.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace netkeeper {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// "Courier New", with a fixed-pitch Japanese font for the nicknames, whose characters take two
// columns as the list's padding expects; without Courier New, the Japanese one does all.
QFont fixedPitchFont() {
  QFont font(text(kGeneListFont));
  font.setFamilies({text(kGeneListFont), QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans Mono CJK JP")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

GeneListWindow::GeneListWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmGeneList"));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setFont(fixedPitchFont());
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAlternatingRowColors(true);
  QStringList header{QStringLiteral("Nickname")};
  for (std::size_t k = 1; k <= tankfile::kGeneCount; ++k) header << QStringLiteral("G%1").arg(k);
  list_->setHeaderLabels(header);
  for (int k = 1; k < list_->columnCount(); ++k) {
    list_->headerItem()->setTextAlignment(k, Qt::AlignRight | Qt::AlignVCenter);
    list_->headerItem()->setToolTip(k, QStringLiteral("Gene %1").arg(k));
  }
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 10);  // the list takes the window less a margin, as it is resized
  layout->addWidget(list_);
  resize(720, 240);
}

void GeneListWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void GeneListWindow::fill(const GeneList& list) {
  setWindowTitle(QString::fromStdString(list.caption));
  list_->clear();
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    QStringList row{QString::fromStdString(list.nicknames[i])};
    for (auto gene : list.entries[i].genes) row << QString::number(gene);
    auto* item = new QTreeWidgetItem(list_, row);
    for (int k = 1; k < list_->columnCount(); ++k) item->setTextAlignment(k, Qt::AlignRight | Qt::AlignVCenter);
    list_->setCurrentItem(item);  // each line becomes the selected one
  }
}

Window::Window(const std::filesystem::path& folder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), ui_(*ownUi_), flow_(ui_), water_(ui_), patch_(ui_) {
  makeControls(folder);
}

Window::Window(ui::Ui& ui, const std::filesystem::path& folder, QWidget* parent) : QWidget(parent), ui_(ui), flow_(ui_), water_(ui_), patch_(ui_) {
  makeControls(folder);
}

Window::~Window() = default;

void Window::makeControls(const std::filesystem::path& folder) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(text(kCaption));

  // The status bar's two panels: the file's length and date, and what the last write did.
  auto statusBar = [this](QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    lengthPanel_ = new QLabel(bar);
    lengthPanel_->setObjectName(QStringLiteral("Panel1"));
    statusPanel_ = new QLabel(bar);
    statusPanel_->setObjectName(QStringLiteral("Panel2"));
    // A long status line is cut rather than widening the window; its tooltip holds it whole.
    statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QLabel* panel : {lengthPanel_, statusPanel_}) panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    bar->addWidget(lengthPanel_);
    bar->addWidget(statusPanel_, 1);
    return bar;
  };
  const std::string version = versionLabel();
  ui::ControlTable table(this);
  table.add({
      ui::column("window").margin(8, 8, 8, 0),
      ui::row("row").in("window", 1),
      ui::custom("FileBrowser", [&folder](QWidget* parent) { return new ui::FileBrowser(folder, parent); })
          .in("row", 1)
          .into(browser_),
      ui::column("buttons").in("row"),
      ui::checkBox("Check1", kFishMode).in("buttons").into(mode_),
      ui::button("cmdStart", kStart).with(ui::kNoAutoDefault).in("buttons").into(start_),
      ui::button("cmdOption", kOption).with(ui::kNoAutoDefault).in("buttons").into(option_),
      ui::button("cmdSplicing", kSplicing).with(ui::kNoAutoDefault).in("buttons").into(splicing_),
      ui::button("cmdGene", kGene).with(ui::kNoAutoDefault).in("buttons").into(gene_),
      ui::stretch("buttons"),
      ui::label("lblVersion", version.c_str()).in("buttons").into(version_),
      ui::custom("StatusBar1", statusBar).in("window").into(status_),
  });
  browser_->setPattern(text(kFishPattern));
  auto* menuBar = new QMenuBar(this);
  ui::addCodePageMenu(menuBar, flow_.codePage(), [this](base::CodePage page) { flow_.setCodePage(page); });
  table.layout("window")->setMenuBar(menuBar);
  ui::addSuiteMenus(menuBar, nullptr, recent_, [this](const ui::RecentFile& file) { openRecent(file); },
                    [](const QString& kind) { return text(kind == QLatin1String("tank") ? kTankMode : kFishMode); });

  connect(browser_, &ui::FileBrowser::fileClicked, this, [this] { showFileState(); });
  connect(browser_, &ui::FileBrowser::fileActivated, this, [this] { start(); });
  connect(mode_, &QCheckBox::toggled, this, [this](bool tank) {
    mode_->setText(text(tank ? kTankMode : kFishMode));
    browser_->setPattern(text(tank ? kTankPattern : kFishPattern));
  });
  connect(start_, &QPushButton::clicked, this, &Window::start);
  connect(option_, &QPushButton::clicked, this, &Window::option);
  connect(splicing_, &QPushButton::clicked, this, &Window::splicing);
  connect(gene_, &QPushButton::clicked, this, &Window::gene);
  resize(560, 360 + menuBar->sizeHint().height());  // the lists keep their size below the menu bar
}

bool Window::openFolder(const QString& folder) { return browser_->openFolder(folder); }
QString Window::folder() const { return browser_->folder(); }
void Window::refreshFiles() { browser_->refreshFiles(); }

bool Window::selectFile(const QString& name) {
  if (!browser_->selectFile(name)) return false;
  showFileState();
  rememberSelected();  // chosen at start (--file) or from File › Recent
  return true;
}

void Window::openRecent(const ui::RecentFile& file) {
  const QFileInfo info(file.path);
  setTankMode(file.kind == QLatin1String("tank"));
  if (!openFolder(info.absolutePath()) || !selectFile(info.fileName()))
    ui_.message(base::displayPath(ui::toPath(file.path)) + " is no longer there.");
}

void Window::rememberSelected() {
  const QString file = browser_->selectedFile();
  if (!file.isEmpty()) recent_.add(file, tankMode() ? QStringLiteral("tank") : QStringLiteral("fish"));
}

std::filesystem::path Window::selectedFile() const {
  const QString file = browser_->selectedFile();
  return file.isEmpty() ? std::filesystem::path() : ui::toPath(file);
}

void Window::setTankMode(bool tank) { mode_->setChecked(tank); }
bool Window::tankMode() const { return mode_->isChecked(); }
QStringList Window::listedFiles() const { return browser_->listedFiles(); }

void Window::showFileState() {
  const QFileInfo info(browser_->selectedFile());
  if (browser_->selectedFile().isEmpty() || !info.isFile()) {
    lengthPanel_->clear();
    refreshFiles();  // it has gone: show what is there now
    return;
  }
  // "31,880 bytes, 2026-12-07 14:02", in local time.
  lengthPanel_->setText(QStringLiteral("%1 bytes, %2")
                            .arg(ui::toQString(base::withThousands(static_cast<std::uint64_t>(info.size()))),
                                 info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
}

void Window::showWritten(const QString& status) {
  if (!status.isEmpty()) {
    statusPanel_->setText(status);
    statusPanel_->setToolTip(status);
  }
  refreshFiles();
  if (!browser_->selectedFile().isEmpty()) showFileState();  // the selected file may be the one replaced
}

std::unique_ptr<FishDialog> Window::fishDialog() {
  const Kind* kind = flow_.startFish(selectedFile());
  if (!kind) return nullptr;
  rememberSelected();
  auto dialog = std::make_unique<FishDialog>(QString::fromUtf8(kind->caption.data(), static_cast<qsizetype>(kind->caption.size())),
                                             kind->presetAge, [this](FishBoxes& boxes) { return flow_.confirmFish(boxes); }, this);
  dialog->setScope(ui::toQString(flow_.scopeText()));
  return dialog;
}

std::unique_ptr<SplicingDialog> Window::splicingDialog() {
  auto caption = flow_.startSplicing(selectedFile());
  if (!caption) return nullptr;
  rememberSelected();
  auto dialog = std::make_unique<SplicingDialog>(QString::fromStdString(*caption),
                                                 [this](const GeneBoxes& boxes) { return flow_.confirmGenes(boxes); }, this);
  dialog->setScope(ui::toQString(flow_.scopeText()));
  return dialog;
}

void Window::start() {
  if (tankMode()) {
    if (selectedFile().empty()) return;  // nothing happens without a file
    auto dialog = waterDialog();
    const bool written = dialog && dialog->exec() == QDialog::Accepted;
    showWritten(written ? ui::toQString(water_.statusText()) : QString());
    return;
  }
  auto dialog = fishDialog();
  const bool written = dialog && dialog->exec() == QDialog::Accepted;
  showWritten(written ? ui::toQString(flow_.statusText()) : QString());  // a file written, or one that could not be read
}

void Window::option() {
  auto dialog = optionDialog();
  if (dialog->exec() == QDialog::Accepted) showWritten(dialog->doneText());
}

std::unique_ptr<WaterSettingsDialog> Window::waterDialog() {
  auto state = water_.load(selectedFile());
  if (!state) return nullptr;
  rememberSelected();
  return std::make_unique<WaterSettingsDialog>(water_, std::move(*state), ui::toPath(folder()), this);
}

std::unique_ptr<OptionDialog> Window::optionDialog() {
  return std::make_unique<OptionDialog>(patch_, ui::toPath(folder()), this);
}

void Window::splicing() {
  auto dialog = splicingDialog();
  if (dialog && dialog->exec() == QDialog::Accepted) showWritten(ui::toQString(flow_.statusText()));
}

void Window::gene() {
  auto list = flow_.geneList(selectedFile());
  if (!list) {
    if (geneList_) geneList_->close();
    return;
  }
  rememberSelected();
  if (!geneList_) geneList_ = new GeneListWindow(this);
  geneList_->fill(*list);
  geneList_->show();
  geneList_->raise();
}

void Window::closeEvent(QCloseEvent* event) {
  if (geneList_) geneList_->close();  // closing the main window ends the program
  QWidget::closeEvent(event);
}

}  // namespace netkeeper
