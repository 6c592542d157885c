#include "netkeeper2/window.hpp"

#include <QCheckBox>
#include <QColor>
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace netkeeper2 {

// ---- the fish-information dialog ----

FishInfoDialog::FishInfoDialog(const QString& kindName, const QString& fileName, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmFishInfo"));
  setWindowTitle(kindName);
  // No clamping and no egg count in this edition; Color and Fullness are offered. A value box
  // shows while its tick is set.
  ui::ControlTable table(this);
  table.add({
      ui::column("dialog"),
      ui::label("lblScope", "").with(ui::kHidden).in("dialog").into(scope_),
      ui::grid("values").in("dialog"),
      ui::checkBox("chkAge", "Age").at("values", 0, 0).into(age_.tick),
      ui::lineEdit("txtAge", "0").with(ui::kHidden).at("values", 0, 1).into(age_.box),
      ui::checkBox("chkHealth", "Health").at("values", 1, 0).into(health_.tick),
      ui::lineEdit("txtHealth", "100").with(ui::kHidden).at("values", 1, 1).into(health_.box),
      ui::checkBox("chkColor", "Color").at("values", 2, 0).into(color_.tick),
      ui::lineEdit("txtColor", "100").with(ui::kHidden).at("values", 2, 1).into(color_.box),
      ui::checkBox("chkCourage", "Courage").at("values", 3, 0).into(courage_.tick),
      ui::lineEdit("txtCourage", "100").with(ui::kHidden).at("values", 3, 1).into(courage_.box),
      ui::checkBox("chkPower", "Power").at("values", 4, 0).into(power_.tick),
      ui::lineEdit("txtPower", "100").with(ui::kHidden).at("values", 4, 1).into(power_.box),
      ui::checkBox("chkFullness", "Fullness").at("values", 5, 0).into(fullness_.tick),
      ui::lineEdit("txtFullness", "100").with(ui::kHidden).at("values", 5, 1).into(fullness_.box),
      ui::checkBox("chkSex", "Sex").at("values", 6, 0).into(sex_),
      ui::row("options").at("values", 6, 1),
      // The two options exclude each other.
      ui::radioButton("optM", "M").with(ui::kChecked | ui::kHidden).in("options").into(male_),
      ui::radioButton("optF", "F").with(ui::kHidden).in("options").into(female_),
      ui::stretch("options"),
      ui::columnMinimum("values", 1, 90),
      ui::stretch("dialog"),
      ui::label("lblFileName", "File Name").in("dialog").buddy("txtFileName"),
      ui::lineEdit("txtFileName").in("dialog").into(fileName_),
      ui::row("buttons").in("dialog"),
      ui::stretch("buttons"),
      ui::button("cmdOK", "OK").in("buttons"),
      ui::button("cmdCancel", "Cancel").in("buttons"),
  });
  // No clamping here: every box is read by its leading number, so a box says when text is ignored.
  using ui::NumberRule;
  ui::attachNumberHint(age_.box, {0, 0, 3, NumberRule::Lenient, QStringLiteral("days"), QStringLiteral("lblAgeUnit")});
  ui::attachNumberHint(health_.box, {0, 0, 0, NumberRule::Lenient, QStringLiteral("%"), QStringLiteral("lblHealthUnit")});
  ui::attachNumberHint(color_.box, {0, 0, 0, NumberRule::Lenient, QStringLiteral("%"), QStringLiteral("lblColorUnit")});
  ui::attachNumberHint(courage_.box, {0, 0, 0, NumberRule::Lenient, QStringLiteral("%"), QStringLiteral("lblCourageUnit")});
  ui::attachNumberHint(power_.box, {0, 0, 0, NumberRule::Lenient, QStringLiteral("%"), QStringLiteral("lblPowerUnit")});
  ui::attachNumberHint(fullness_.box, {0, 0, 3, NumberRule::Lenient, QStringLiteral("%"), QStringLiteral("lblFullnessUnit")});
  fileName_->setText(fileName);
  for (const Row& row : {age_, health_, color_, courage_, power_, fullness_})
    connect(row.tick, &QCheckBox::toggled, row.box, &QWidget::setVisible);
  connect(sex_, &QCheckBox::toggled, this, [this](bool on) {
    male_->setVisible(on);
    female_->setVisible(on);
  });
  connect(fileName_, &QLineEdit::returnPressed, this, &QDialog::accept);  // Enter acts as OK
  connect(table.get<QPushButton>("cmdOK"), &QPushButton::clicked, this, &QDialog::accept);
  connect(table.get<QPushButton>("cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);  // Esc too, as in every dialog
  resize(twips(3650), twips(5200));
}

void FishInfoDialog::setScope(const QString& text) {
  scope_->setWordWrap(true);
  scope_->setText(text);
  scope_->setVisible(!text.isEmpty());
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

namespace {
// The unit of a grid column (0-based) that holds a number; a null string for the others.
QString gridUnit(int column) {
  switch (static_cast<Column>(column + 1)) {
    case kAge: return QStringLiteral("days");
    case kHealth:
    case kFullness:
    case kCourage:
    case kPower:
    case kColor: return QStringLiteral("%");
    case kEgg: return QStringLiteral("eggs");
    default: return {};
  }
}
}  // namespace

GridWindow::GridWindow(const std::vector<GridRow>& rows, const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmDetail"));
  setWindowTitle(name);
  // The grid fills the window but for a strip below, where resizeEvent places the rest.
  ui::ControlTable table(this);
  table.add({
      ui::custom("Grid1",
                 [&rows](QWidget* owner) {
                   return new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(kGridColumns), owner);
                 })
          .into(grid_),
      ui::label("lblFileName", "File Name").into(fileLabel_),
      ui::lineEdit("txtFileName").into(fileName_),
      ui::button("cmdOK", "OK").into(ok_),
      ui::button("cmdCancel", "Cancel").into(cancel_),
  });
  fileName_->setText(name);
  QStringList captions;
  for (auto caption : kGridCaptions) captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  grid_->setHorizontalHeaderLabels(captions);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < static_cast<int>(kGridColumns); ++c) {
      auto* item = new QTableWidgetItem(ui::toQString(rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)]));
      // The Sex cell changes by a click, not by typing.
      const bool editable = c + 1 != kSex && cellEditable(rows[static_cast<std::size_t>(r)], static_cast<Column>(c + 1));
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
  // Number cells say at once how they will be read, as the number boxes do; the header names the unit.
  for (int c = 0; c < grid_->columnCount(); ++c)
    if (!gridUnit(c).isNull()) grid_->horizontalHeaderItem(c)->setToolTip(gridUnit(c));
  for (int r = 0; r < grid_->rowCount(); ++r)
    for (int c = 0; c < grid_->columnCount(); ++c) markReading(grid_->item(r, c));
  connect(grid_, &QTableWidget::itemChanged, this, &GridWindow::markReading);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  resize(twips(10800), 420);
}

void GridWindow::markReading(QTableWidgetItem* item) {
  if (item == nullptr || gridUnit(item->column()).isNull() || !(item->flags() & Qt::ItemIsEditable)) return;
  // Every cell is read by its leading number, fractions kept.
  const QString reading = ui::numberReading(item->text(), {0, 0, 3, ui::NumberRule::Lenient, {}, {}});
  const QSignalBlocker quiet(grid_);
  item->setToolTip(reading);
  item->setData(Qt::BackgroundRole, reading.isEmpty() ? QVariant() : QVariant(QColor(0xff, 0xe0, 0xb0)));
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
  // The strip: x from the left, or from the right edge where negative; width and height.
  const struct {
    QWidget* control;
    int x, width, height;
  } strip[] = {{fileLabel_, 8, 70, 24}, {fileName_, 80, 220, 24}, {cancel_, -88, 80, 26}, {ok_, -176, 80, 26}};
  for (const auto& [control, x, controlWidth, controlHeight] : strip)
    control->setGeometry(x < 0 ? width + x : x, height + 20, controlWidth, controlHeight);
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

  // The status bar's two panels: the file's length and its date.
  auto statusBar = [this](QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    length_ = new QLabel(bar);
    length_->setObjectName(QStringLiteral("Panel1"));
    stamp_ = new QLabel(bar);
    stamp_->setObjectName(QStringLiteral("Panel2"));
    written_ = new QLabel(bar);
    written_->setObjectName(QStringLiteral("Panel3"));
    // A long status line is cut rather than widening the window; its tooltip holds it whole.
    written_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(length_, 1);
    bar->addWidget(stamp_, 1);
    bar->addWidget(written_, 3);
    return bar;
  };
  const std::string version = base::strcat("NetKeeperII    Version ", kVersion);
  ui::ControlTable table(this);
  table.add({
      ui::column("window"),
      ui::custom("", [&folder](QWidget* parent) { return new ui::FileBrowser(folder, parent); })
          .in("window", 1)
          .into(browser_),
      ui::row("buttons").in("window"),
      ui::button("cmdStart", "Start").in("buttons"),
      ui::button("cmdDetail", "detail").in("buttons"),
      ui::stretch("buttons"),
      ui::label("lblVersion", version.c_str()).in("buttons"),
      ui::custom("StatusBar1", statusBar).in("window").into(status_),
  });
  browser_->setPattern(QStringLiteral("*.wtk"));
  auto* menuBar = new QMenuBar(this);
  ui::addCodePageMenu(menuBar, tool_.codePage(), [this](base::CodePage page) { tool_.setCodePage(page); });
  table.layout("window")->setMenuBar(menuBar);
  ui::addSuiteMenus(menuBar, nullptr, recent_, [this](const ui::RecentFile& file) { openRecent(file); });
  auto* startButton = table.get<QPushButton>("cmdStart");
  auto* detailButton = table.get<QPushButton>("cmdDetail");

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
  recent_.add(browser_->selectedFile());  // chosen at start (--file) or from File › Recent
  return true;
}

void Window::openRecent(const ui::RecentFile& file) {
  const QFileInfo info(file.path);
  if (browser_->openFolder(info.absolutePath()) && selectFile(info.fileName())) return;
  tool_.open(ui::toPath(file.path));  // says why it cannot be read
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
  if (tank) recent_.add(file);
  return tank;
}

void Window::showWritten() {
  written_->setText(ui::toQString(tool_.statusText()));
  written_->setToolTip(written_->text());
  browser_->refreshFiles();
  if (!browser_->selectedFile().isEmpty()) showFileFacts(browser_->selectedFile());  // it may be the file replaced
}

// After a No to replacing a file the dialog comes back as it was left, to take another name.
void Window::start() {
  auto tank = openSelected();
  if (!tank) return;
  FishInfoDialog dialog(ui::toQString(tank->first.kind), ui::toQString(defaultOutputName(tank->file)), this);
  const std::size_t fish = Netkeeper2::fishCount(*tank);
  const QString file = ui::toQString(base::displayPath(tank->file.filename()));
  dialog.setScope(fish == 1 ? QStringLiteral("Edits the one fish in %1").arg(file)
                            : QStringLiteral("Edits all %1 fish in %2, whatever their kind").arg(fish).arg(file));
  while (dialog.exec() == QDialog::Accepted) {
    const auto outcome = tool_.generate(*tank, dialog.boxes(), ui::toPath(browser_->folder()));
    if (outcome == ui::Outcome::Done) showWritten();
    if (outcome != ui::Outcome::Cancelled) break;
  }
}

void Window::detail() {
  auto tank = openSelected();
  if (!tank) return;
  const auto rows = tool_.grid(*tank);
  GridWindow window(rows, ui::toQString(defaultOutputName(tank->file)), this);
  while (window.exec() == QDialog::Accepted) {
    const auto outcome = tool_.writeBack(*tank, rows, window.cells(), ui::toPath(browser_->folder()), window.fileName().toStdString());
    if (outcome == ui::Outcome::Done) showWritten();
    if (outcome != ui::Outcome::Cancelled) break;
  }
}

}  // namespace netkeeper2
