#include "netkeeper2/window.hpp"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/qt_ui.hpp"

namespace netkeeper2 {

// ---- the fish-information dialog ----

FishInfoDialog::FishInfoDialog(const QString& kindName, const QString& fileName, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmFishInfo"));
  setWindowTitle(kindName);
  auto* grid = new QGridLayout;
  auto place = [&](Row row) {
    const int at = grid->rowCount();
    grid->addWidget(row.tick, at, 0);
    grid->addWidget(row.box, at, 1);
  };
  // No clamping and no egg count in this edition; Color and Fullness are offered.
  place(age_ = addRow("Age", "chkAge", "txtAge", "0"));
  place(health_ = addRow("Health", "chkHealth", "txtHealth", "100"));
  place(color_ = addRow("Color", "chkColor", "txtColor", "100"));
  place(courage_ = addRow("Courage", "chkCourage", "txtCourage", "100"));
  place(power_ = addRow("Power", "chkPower", "txtPower", "100"));
  place(fullness_ = addRow("Fullness", "chkFullness", "txtFullness", "100"));

  sex_ = new QCheckBox(QStringLiteral("Sex"), this);
  sex_->setObjectName(QStringLiteral("chkSex"));
  male_ = new QRadioButton(QStringLiteral("M"), this);
  male_->setObjectName(QStringLiteral("optM"));
  female_ = new QRadioButton(QStringLiteral("F"), this);
  female_->setObjectName(QStringLiteral("optF"));
  male_->setChecked(true);  // the two options exclude each other
  male_->hide();
  female_->hide();
  connect(sex_, &QCheckBox::toggled, this, [this](bool on) {
    male_->setVisible(on);
    female_->setVisible(on);
  });
  auto* options = new QHBoxLayout;
  options->addWidget(male_);
  options->addWidget(female_);
  options->addStretch();
  const int sexRow = grid->rowCount();
  grid->addWidget(sex_, sexRow, 0);
  grid->addLayout(options, sexRow, 1);

  auto* fileLabel = new QLabel(QStringLiteral("File Name"), this);
  fileLabel->setObjectName(QStringLiteral("lblFileName"));
  fileName_ = new QLineEdit(fileName, this);
  fileName_->setObjectName(QStringLiteral("txtFileName"));
  fileLabel->setBuddy(fileName_);
  connect(fileName_, &QLineEdit::returnPressed, this, &QDialog::accept);  // Enter acts as OK

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // Esc too, as in every dialog

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addWidget(fileLabel);
  layout->addWidget(fileName_);
  layout->addLayout(buttons);
  grid->setColumnMinimumWidth(1, 90);
  resize(twips(3650), twips(5200));
}

FishInfoDialog::Row FishInfoDialog::addRow(const char* caption, const char* tickName, const char* boxName,
                                           const char* preset) {
  Row row{new QCheckBox(QString::fromLatin1(caption), this), new QLineEdit(QString::fromLatin1(preset), this)};
  row.tick->setObjectName(QString::fromLatin1(tickName));
  row.box->setObjectName(QString::fromLatin1(boxName));
  row.box->hide();
  connect(row.tick, &QCheckBox::toggled, row.box, &QWidget::setVisible);
  return row;
}

FishBoxes FishInfoDialog::boxes() const {
  FishBoxes boxes;
  auto read = [](const Row& row, bool& ticked, std::string& text) {
    ticked = row.tick->isChecked();
    text = row.box->text().toStdString();
  };
  read(age_, boxes.age, boxes.ageText);
  read(health_, boxes.health, boxes.healthText);
  read(color_, boxes.color, boxes.colorText);
  read(courage_, boxes.courage, boxes.courageText);
  read(power_, boxes.power, boxes.powerText);
  read(fullness_, boxes.fullness, boxes.fullnessText);
  boxes.sex = sex_->isChecked();
  boxes.male = male_->isChecked();
  boxes.fileName = fileName_->text().toStdString();
  return boxes;
}

// ---- the grid window ----

GridWindow::GridWindow(const std::vector<GridRow>& rows, const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmDetail"));
  setWindowTitle(name);
  grid_ = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(kGridColumns), this);
  grid_->setObjectName(QStringLiteral("Grid1"));
  QStringList captions;
  for (auto caption : kGridCaptions) captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  grid_->setHorizontalHeaderLabels(captions);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < static_cast<int>(kGridColumns); ++c) {
      auto* item = new QTableWidgetItem(ui::toQString(rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)]));
      // The names are shown, not edited; the Sex cell changes by a click.
      const bool editable = c + 1 != kKind && c + 1 != kName && c + 1 != kSex && rows[static_cast<std::size_t>(r)].base;
      if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      grid_->setItem(r, c, item);
    }
  }
  const int twelve = grid_->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 12;
  grid_->setColumnWidth(0, twelve);
  grid_->setColumnWidth(1, twelve);
  for (int c = 2; c < grid_->columnCount(); ++c)
    grid_->setColumnWidth(c, grid_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  connect(grid_, &QTableWidget::cellClicked, this, &GridWindow::toggleSex);

  fileLabel_ = new QLabel(QStringLiteral("File Name"), this);
  fileLabel_->setObjectName(QStringLiteral("lblFileName"));
  fileName_ = new QLineEdit(name, this);
  fileName_->setObjectName(QStringLiteral("txtFileName"));
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  resize(twips(10800), 420);
}

void GridWindow::toggleSex(int row, int column) {
  if (column + 1 != kSex) return;
  auto* item = grid_->item(row, column);
  item->setText(ui::toQString(toggledSex(item->text().toStdString())));
}

void GridWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The grid takes the window less a strip below for the name and the buttons, and a margin right.
  const QSize size = event->size();
  const int height = size.height() > twips(1100) ? size.height() - twips(1000) : size.height();
  const int width = size.width() > twips(400) ? size.width() - twips(330) : size.width();
  grid_->setGeometry(0, 0, width, height);
  const int y = height + 20;
  fileLabel_->setGeometry(8, y, 70, 24);
  fileName_->setGeometry(80, y, 220, 24);
  cancel_->setGeometry(width - 88, y, 80, 26);
  ok_->setGeometry(width - 176, y, 80, 26);
}

std::vector<GridCells> GridWindow::cells() const {
  std::vector<GridCells> out(static_cast<std::size_t>(grid_->rowCount()));
  for (int r = 0; r < grid_->rowCount(); ++r)
    for (int c = 0; c < grid_->columnCount(); ++c)
      out[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = grid_->item(r, c)->text().toStdString();
  return out;
}

QString GridWindow::fileName() const { return fileName_->text(); }

// ---- the main window ----

Window::Window(const std::filesystem::path& folder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), tool_(*ownUi_) {
  makeControls(folder);
}

Window::Window(ui::Ui& ui, const std::filesystem::path& folder, QWidget* parent) : QWidget(parent), tool_(ui) {
  makeControls(folder);
}

void Window::makeControls(const std::filesystem::path& folder) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())));

  browser_ = new ui::FileBrowser(folder, this);
  browser_->setPattern(QStringLiteral("*.wtk"));

  auto* startButton = new QPushButton(QStringLiteral("Start"), this);
  startButton->setObjectName(QStringLiteral("cmdStart"));
  auto* detailButton = new QPushButton(QStringLiteral("detail"), this);
  detailButton->setObjectName(QStringLiteral("cmdDetail"));
  auto* version = new QLabel(QStringLiteral("NetKeeperII    Version ") + QString::fromLatin1(kVersion), this);
  version->setObjectName(QStringLiteral("lblVersion"));

  status_ = new QStatusBar(this);
  status_->setObjectName(QStringLiteral("StatusBar1"));
  status_->setSizeGripEnabled(false);
  length_ = new QLabel(status_);
  length_->setObjectName(QStringLiteral("Panel1"));
  stamp_ = new QLabel(status_);
  stamp_->setObjectName(QStringLiteral("Panel2"));
  status_->addWidget(length_, 1);
  status_->addWidget(stamp_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(startButton);
  buttons->addWidget(detailButton);
  buttons->addStretch();
  buttons->addWidget(version);
  auto* layout = new QVBoxLayout(this);
  auto* menuBar = new QMenuBar(this);
  ui::addCodePageMenu(menuBar, tool_.codePage(), [this](base::CodePage page) { tool_.setCodePage(page); });
  layout->setMenuBar(menuBar);
  layout->addWidget(browser_, 1);
  layout->addLayout(buttons);
  layout->addWidget(status_);

  connect(startButton, &QPushButton::clicked, this, &Window::start);
  connect(detailButton, &QPushButton::clicked, this, &Window::detail);
  connect(browser_, &ui::FileBrowser::fileClicked, this, &Window::showFileFacts);
  connect(browser_, &ui::FileBrowser::fileActivated, this, &Window::start);  // double-click is Start
  resize(520, 400 + menuBar->sizeHint().height());  // the lists keep their size below the menu bar
}

Window::~Window() = default;

bool Window::selectFile(const QString& name) {
  if (!browser_->selectFile(name)) return false;
  showFileFacts(browser_->selectedFile());
  return true;
}

void Window::showFileFacts(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) {
    browser_->refreshFiles();
    return;
  }
  length_->setText(QLocale::c().toString(info.size()));
  stamp_->setText(info.lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

std::optional<OpenedTank> Window::openSelected() {
  const QString file = browser_->selectedFile();
  auto tank = tool_.open(file.isEmpty() ? std::filesystem::path() : ui::toPath(file));
  if (!tank && !file.isEmpty()) browser_->refreshFiles();  // it may have gone
  return tank;
}

void Window::start() {
  auto tank = openSelected();
  if (!tank) return;
  FishInfoDialog dialog(ui::toQString(tank->first.kind), ui::toQString(defaultOutputName(tank->file)), this);
  if (dialog.exec() != QDialog::Accepted) return;
  tool_.generate(std::move(*tank), dialog.boxes(), ui::toPath(browser_->folder()));
  browser_->refreshFiles();
}

void Window::detail() {
  auto tank = openSelected();
  if (!tank) return;
  const auto rows = tool_.grid(*tank);
  GridWindow window(rows, ui::toQString(defaultOutputName(tank->file)), this);
  if (window.exec() != QDialog::Accepted) return;
  tool_.writeBack(std::move(*tank), rows, window.cells(), ui::toPath(browser_->folder()), window.fileName().toStdString());
  browser_->refreshFiles();
}

}  // namespace netkeeper2
