#include "scalepaint/window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QShowEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <optional>

#include "base/codepage.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "fishfile/system_palette.hpp"
#include "scalepaint/preview_qimage.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/wrote.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/set_aside.hpp"

namespace scalepaint {

namespace {

// The surface under the controls; the preview is stretched over all of it.
constexpr int kSurfaceWidth = 560;
constexpr int kSurfaceHeight = 480;
constexpr int kMargin = 10;
constexpr int kGridWidth = 170;
constexpr int kCaptionWidth = 70;

QString utf8(std::string_view text) { return ui::toQString(text); }

// A palette cell holds an index of the game's palette: its editor refuses anything but 0 to 255.
class PaletteCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* box = qobject_cast<QLineEdit*>(editor)) ui::attachNumberHint(box, kPaletteCell);
    return editor;
  }
  static inline const ui::NumberBoxHint kPaletteCell{0, 255, 0, ui::NumberRule::Refuse, QStringLiteral("palette index"), {}};
};

// The index a cell makes of its row's index, as MAKE reads it; none outside 0-255. Index 0 is
// clear and MAKE keeps it so, whatever row 1 holds.
std::optional<int> becomes(int row, const std::string& cell) {
  if (row == 0) return 0;
  const double value = cellValue(cell);
  if (!(value >= 0 && value <= 255)) return std::nullopt;
  return static_cast<int>(value);
}

QColor paletteColour(int index) {
  const base::Rgb& rgb = fishfile::systemPalette()[static_cast<std::size_t>(index)];
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// One swatch: the index's colour, a chequer for the clear index 0, a red cross for no index.
void drawSwatch(QPainter& painter, const QRect& box, std::optional<int> index) {
  if (!index) {
    painter.fillRect(box, Qt::white);
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
  } else if (*index == 0) {
    const int half = box.width() / 2, halfHigh = box.height() / 2;
    painter.fillRect(box, Qt::white);
    painter.fillRect(QRect(box.left(), box.top(), half, halfHigh), QColor(190, 190, 190));
    painter.fillRect(QRect(box.left() + half, box.top() + halfHigh, box.width() - half, box.height() - halfHigh),
                     QColor(190, 190, 190));
  } else {
    painter.fillRect(box, paletteColour(*index));
  }
  painter.setPen(QColor(110, 110, 110));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
}

// The row's index and what it becomes, side by side with an arrow between.
QPixmap swatchPair(int side, qreal pixelRatio, int row, std::optional<int> to) {
  const int arrow = side / 2 + 4;
  QPixmap picture(QSize(2 * side + arrow, side) * pixelRatio);  // sharp on a scaled screen
  picture.setDevicePixelRatio(pixelRatio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  drawSwatch(painter, QRect(0, 0, side, side), row);
  painter.setPen(QColor(90, 90, 90));
  const int y = side / 2, left = side + 2, right = side + arrow - 3;
  painter.drawLine(left, y, right, y);
  painter.drawLine(right - 3, y - 3, right, y);
  painter.drawLine(right - 3, y + 3, right, y);
  drawSwatch(painter, QRect(side + arrow, 0, side, side), to);
  return picture;
}

QString rgbText(int index) {
  const QColor colour = paletteColour(index);
  return QStringLiteral("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// "pal.dat in /home/ann/palettes" as the status lines name a file.
std::string shownFolder(const std::filesystem::path& file) {
  return base::displayPath(std::filesystem::absolute(file).parent_path());
}

std::string shownName(const std::filesystem::path& file) { return base::displayPath(file.filename()); }

std::size_t rowsDiffering(const Cells& a, const Cells& b) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < kEntries; ++i) count += a[i] != b[i];
  return count;
}

}  // namespace

// One action on the grid: the cells before and after it.
class TableEdit : public QUndoCommand {
 public:
  TableEdit(Window& window, Cells before, Cells after, const QString& what)
      : QUndoCommand(what), window_(window), before_(std::move(before)), after_(std::move(after)) {}
  void undo() override { window_.setGridCells(before_); }
  void redo() override { window_.setGridCells(after_); }

 private:
  Window& window_;
  Cells before_, after_;
};

void PaletteGrid::commitEdit() {
  if (state() != EditingState) return;
  // The editor of the current cell is the view's focus child, whether the window is active or not.
  if (QWidget* editor = focusWidget(); editor && editor != this && isAncestorOf(editor)) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

PreviewSurface::PreviewSurface(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PreviewSurface"));
  setAutoFillBackground(true);
}

void PreviewSurface::setDrawing(const QImage& drawing) {
  drawing_ = drawing;
  update();
}

void PreviewSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

void PreviewSurface::paintEvent(QPaintEvent*) {
  if (drawing_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // whole boxes, as drawn
  painter.drawImage(rect(), drawing_);
}

Window::Window(const std::filesystem::path& currentFolder, const Edition& edition, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(std::make_unique<ui::QtUi>(this)),
      worker_(*ownUi_),
      flow_(worker_.ui(), currentFolder, edition) {
  makeControls();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& currentFolder, const Edition& edition, QWidget* parent)
    : QMainWindow(parent), worker_(ui), flow_(worker_.ui(), currentFolder, edition) {
  makeControls();
}

Window::~Window() { worker_.shutDown(); }

void Window::makeControls() {
  setObjectName(QStringLiteral("frmScalePaint"));
  setWindowTitle(utf8(caption(flow_.edition())));
  setAcceptDrops(true);
  makeMenus();

  surface_ = new PreviewSurface(this);
  // The window starts at the surface's designed size and may grow; the grid grows with it.
  surface_->setMinimumSize(kSurfaceWidth, kSurfaceHeight);
  surface_->resize(kSurfaceWidth, kSurfaceHeight);
  setCentralWidget(surface_);

  // The captions and boxes on the left, placed in pixels; the palette grid on the right.
  const int rowHeight = fontMetrics().height() + 10;
  const int fieldWidth = kSurfaceWidth - kGridWidth - 3 * kMargin - kCaptionWidth;
  const int field = kMargin + kCaptionWidth;
  const int row1 = kMargin, row2 = row1 + rowHeight + 6, row3 = row2 + rowHeight + 10;
  const std::string destination = flow_.destination;
  ui::ControlTable table(surface_);
  table.add({
      ui::label("Label2", kSourceCaption).box(kMargin, row1, kCaptionWidth, rowHeight),
      ui::custom("Label1", [this](QWidget* parent) { return new ui::ChoosingPathLabel([this] { chooseSource(); }, parent); })
          .tip("Click to choose the fish or tank file, or drop it on the window")
          .box(field, row1, fieldWidth, rowHeight)
          .into(source_),
      ui::label("Label3", kDestinationCaption).box(kMargin, row2, kCaptionWidth, rowHeight).buddy("Text1"),
      ui::lineEdit("Text1", destination.c_str()).box(field, row2, fieldWidth, rowHeight).into(destination_),
      ui::button("Command1", kMake).box(field, row3, 100, rowHeight + 4),
  });
  if (flow_.edition().preview) table.add({ui::button("Command2", kPreView).box(field + 110, row3, 100, rowHeight + 4)});
  table.add({ui::custom("vaSpread1", [](QWidget* parent) { return new PaletteGrid(static_cast<int>(kEntries), 1, parent); })
                 .box(kSurfaceWidth - kMargin - kGridWidth, kMargin, kGridWidth, kSurfaceHeight - 2 * kMargin)
                 .into(grid_)});
  destination_->setCursorPosition(static_cast<int>(destination_->text().size()));
  connect(table.get<QPushButton>("Command1"), &QPushButton::clicked, this, &Window::make);
  if (flow_.edition().preview) connect(table.get<QPushButton>("Command2"), &QPushButton::clicked, this, &Window::preview);
  grid_->setHorizontalHeaderLabels({utf8(kGridHeader)});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setItemDelegate(new PaletteCellDelegate(grid_));
  grid_->setToolTip(QStringLiteral("Each row holds a palette index: a whole number from 0 to 255."));
  if (flow_.edition().tahomaGrid) grid_->setFont(QFont(QStringLiteral("Tahoma")));
  setGridCells(flow_.cells);
  saved_ = shown_;
  connect(grid_, &QTableWidget::itemChanged, this, &Window::cellTyped);
  connect(surface_, &PreviewSurface::resized, this, &Window::placeGrid);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  status_ = new QLabel(statusBar());
  status_->setObjectName(QStringLiteral("StatusText"));
  status_->setIndent(6);
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long line is cut, the window keeps its size
  statusBar()->addWidget(status_, 1);
  adjustSize();
}

void Window::placeGrid() {
  grid_->setGeometry(surface_->width() - kMargin - kGridWidth, kMargin, kGridWidth, surface_->height() - 2 * kMargin);
}

void Window::makeMenus() {
  auto addEntry = [this](QMenu* menu, const char* name, const char* text, void (Window::*action)()) {
    QAction* entry = menu->addAction(utf8(text));
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, action);
    return entry;
  };
  auto addBar = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

  QMenu* file = menuBar()->addMenu(utf8(kFileMenu));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
  file->setSeparatorsCollapsible(false);  // the menu starts with its bar
  addBar(file, "mnuFileBar1");
  addEntry(file, "mnuFileOpen", kOpen, &Window::openPalette);
  addEntry(file, "mnuFileSave", kSave, &Window::savePalette);
  addBar(file, "mnuFileBar2");
  QAction* end = file->addAction(utf8(kEnd));
  end->setObjectName(QStringLiteral("mnuFileEnd"));
  connect(end, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(utf8(kEditMenu));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
  addEntry(edit, "mnuEditInit", kInit, &Window::init);
  addEntry(edit, "mnuEditFill", kFill, &Window::fill);
  addBar(edit, "mnuEditBar1");
  undo_ = ui::addUndoEntries(edit, this);
  // A cell being typed is an action of its own, before the menu's undo can take it back.
  connect(edit, &QMenu::aboutToShow, this, [this] { grid_->commitEdit(); });

  ui::addCodePageMenu(menuBar(), flow_.codePage(), [this](base::CodePage page) { flow_.setCodePage(page); });

  // FILE › Recent: a palette file is opened again as OPEN would, a source taken again as a drop.
  const QString source = QStringLiteral("source");
  ui::addRecentMenu(
      file, recent_,
      [this, source](const ui::RecentFile& recent) {
        if (recent.kind == source) setSource(ui::toPath(recent.path));
        else openPaletteFile(ui::toPath(recent.path));
      },
      [source](const QString& kind) { return QString::fromLatin1(kind == source ? "Source" : "Palette"); },
      file->findChild<QAction*>(QStringLiteral("mnuFileBar2")));
  ui::addLanguageMenu(menuBar());
}

Cells Window::gridCells() const {
  Cells cells;
  for (std::size_t i = 0; i < kEntries; ++i) {
    const QTableWidgetItem* item = grid_->item(static_cast<int>(i), 0);
    cells[i] = item ? item->text().toStdString() : std::string();
  }
  return cells;
}

void Window::setGridCells(const Cells& cells) {
  showing_ = true;
  for (std::size_t i = 0; i < kEntries; ++i) {
    const int row = static_cast<int>(i);
    QTableWidgetItem* item = grid_->item(row, 0);
    if (!item) {
      item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(row, 0, item);
    } else if (shown_[i] == cells[i]) {
      continue;
    }
    item->setText(utf8(cells[i]));
    shown_[i] = cells[i];
    showSwatches(row);
  }
  showing_ = false;
  tableEdited();
}

void Window::showSwatches(int row) {
  QTableWidgetItem* item = grid_->item(row, 0);
  const std::string& cell = shown_[static_cast<std::size_t>(row)];
  const std::optional<int> to = becomes(row, cell);
  item->setData(Qt::DecorationRole, swatchPair(grid_->verticalHeader()->defaultSectionSize() - 6, grid_->devicePixelRatioF(), row, to));
  if (row == 0)
    item->setToolTip(QStringLiteral("Index 0 is clear, and MAKE keeps it clear whatever this row holds."));
  else if (!to)
    item->setToolTip(QStringLiteral("Index %1 becomes nothing: \"%2\" is not a palette index from 0 to 255, and MAKE refuses it.")
                         .arg(row)
                         .arg(utf8(cell)));
  else if (*to == 0)
    item->setToolTip(QStringLiteral("Index %1 (%2) becomes index 0: clear.").arg(row).arg(rgbText(row)));
  else
    item->setToolTip(
        QStringLiteral("Index %1 (%2) becomes index %3 (%4).").arg(row).arg(rgbText(row)).arg(*to).arg(rgbText(*to)));
}

void Window::cellTyped(QTableWidgetItem* item) {
  if (showing_ || !item) return;
  const int row = item->row();
  const std::string text = item->text().toStdString();
  if (row < 0 || text == shown_[static_cast<std::size_t>(row)]) return;
  Cells after = shown_;
  after[static_cast<std::size_t>(row)] = text;
  undo_->push(new TableEdit(*this, shown_, after, QStringLiteral("Row %1").arg(row + 1)));
}

void Window::editTable(const Cells& cells, const QString& what) {
  if (cells == shown_) return;  // nothing changed: nothing to undo
  undo_->push(new TableEdit(*this, shown_, cells, what));
}

bool Window::tableChanged() const {
  grid_->commitEdit();
  return shown_ != saved_;
}

bool Window::maySetAsideTable(const char* question) {
  return ui::maySetAside(worker_.ui(), question, [this] { return tableChanged(); }, [this] { savePalette(); });
}

void Window::readBoxes() {
  grid_->commitEdit();
  flow_.cells = gridCells();
  flow_.destination = destination_->text().toStdString();
}

void Window::openPalette() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  if (!maySetAsideTable("The palette table has changes that were not saved. Save them before opening another palette file?"))
    return;
  const Cells before = shown_;
  if (flow_.openPalette() == ui::Outcome::Done) showOpened(before);
}

void Window::openPaletteFile(const std::filesystem::path& file) {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  const Cells before = shown_;
  if (flow_.openPaletteFile(file) == ui::Outcome::Done) showOpened(before);
}

void Window::showOpened(const Cells& before) {
  editTable(flow_.cells, QStringLiteral("OPEN"));
  saved_ = shown_;
  recent_.add(flow_.paletteFile, QStringLiteral("palette"));
  const std::size_t changed = rowsDiffering(before, shown_);
  status_->setText(utf8(base::strcat("Opened ", shownName(flow_.paletteFile), " in ", shownFolder(flow_.paletteFile), ": ",
                                     kEntries, " entries, ", changed, changed == 1 ? " row changed" : " rows changed")));
}

void Window::savePalette() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  if (flow_.savePalette() != ui::Outcome::Done) return;
  saved_ = flow_.cells;
  status_->setText(utf8(ui::wroteInText(shownName(flow_.paletteFile), shownFolder(flow_.paletteFile),
                                        base::strcat(kEntries, " palette entries"))));
}

void Window::init() {
  if (worker_.running()) return;  // MAKE is using the flow
  grid_->commitEdit();
  flow_.init();
  editTable(flow_.cells, utf8(kInit));
}

void Window::fill() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  flow_.fill();
  editTable(flow_.cells, utf8(kFill));
}

void Window::chooseSource() {
  if (worker_.running()) return;  // MAKE is using the flow
  if (flow_.chooseSource() != ui::Outcome::Done) return;
  source_->setPath(utf8(flow_.source));
  recent_.add(utf8(flow_.source), QStringLiteral("source"));
}

void Window::setSource(const std::filesystem::path& file) {
  if (worker_.running()) return;  // MAKE is using the flow
  flow_.source = base::displayPath(file);
  source_->setPath(utf8(flow_.source));
  recent_.add(file, QStringLiteral("source"));
}

void Window::make() {
  if (worker_.running()) return;  // one MAKE at a time
  readBoxes();
  status_->clear();
  // Off the GUI thread: the window stays responsive, the progress window offers Stop.
  worker_.start([this] { makeResult_ = flow_.make(); }, [this] { showMade(makeResult_); });
}

void Window::showMade(const MakeResult& result) {
  if (result.outcome != ui::Outcome::Done) return;
  status_->setText(utf8(ui::wroteInText(
      shownName(result.output), shownFolder(result.output),
      base::strcat(result.recoloured.sets, result.recoloured.sets == 1 ? " animation set" : " animation sets",
                   " recoloured, ", base::withThousands(result.bytes), " bytes"))));
}

void Window::preview() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  status_->clear();
  const PreviewResult result = flow_.preview();
  if (result.outcome != ui::Outcome::Done) return;
  surface_->setDrawing(previewQImage(result.image));
  playAnimations(result);
  if (!result.foundSet)
    status_->setText(QStringLiteral("No fish animation in this file: nothing to draw."));
  else if (!result.frame)
    status_->setText(QStringLiteral("The first frame does not lie within its animation set: nothing to draw."));
  else
    status_->setText(QStringLiteral("First frame: %1 × %2 pixels%3")
                                 .arg(result.frame->width)
                                 .arg(result.frame->height)
                                 .arg(result.kindName.empty() ? QString()
                                                              : QStringLiteral(", kind \"%1\"")
                                                                    .arg(utf8(result.kindText))));
}

void Window::playAnimations(const PreviewResult& result) {
  if (!result.foundSet) {
    if (playerWindow_) playerWindow_->hide();
    return;
  }
  if (!playerWindow_) {
    playerWindow_ = new QWidget(this, Qt::Window);
    playerWindow_->setObjectName(QStringLiteral("frmPreViewAnimations"));
    ui::setDesignedText(playerWindow_, QStringLiteral("PreView: the first fish's animations"));
    auto* column = new QVBoxLayout(playerWindow_);
    playerCaption_ = new QLabel(playerWindow_);
    playerCaption_->setObjectName(QStringLiteral("lblAnimationsSource"));
    playerCaption_->setTextFormat(Qt::PlainText);
    column->addWidget(playerCaption_);
    player_ = new ui::AnimationPlayer(playerWindow_);
    column->addWidget(player_);
  }
  playerCaption_->setText(ui::translatedText("The first fish of %1 through the palette table; a change of the table shows at once.")
                              .arg(utf8(shownName(base::pathFromUtf8(flow_.source)))));
  const bool same = player_->animations().size() == result.animations.size();
  animations_ = result.animations;
  player_->setEmptyText(utf8(result.animationProblem));
  showAnimations(result.table, !same);
  playerWindow_->show();
  playerWindow_->raise();
}

void Window::showAnimations(const Table& table, bool anew) {
  // Each index through the table, then the game's palette; what becomes 0 is clear.
  std::vector<ui::PlayerAnimation> animations;
  std::size_t number = 0;
  for (const auto& animation : animations_) {
    auto& shown = animations.emplace_back();
    for (const auto& frame : animation.frames)
      shown.frames.push_back({ui::indexedImage(frame.width, frame.height, frame.pixels, fishfile::systemPalette(), &table),
                              QString::number(number++).rightJustified(4, QLatin1Char('0')),
                              {}});
  }
  if (anew) {
    player_->setAnimations(std::move(animations));
    return;
  }
  // The same fish through another table: the player keeps its place.
  const int current = player_->currentAnimation(), step = player_->frame(), zoom = player_->zoom();
  const bool grid = player_->grid();
  player_->setAnimations(std::move(animations));
  player_->setCurrentAnimation(current);
  player_->setGrid(grid);
  player_->setZoom(zoom);
  player_->setFrame(step);
}

void Window::tableEdited() {
  // An open player follows the table as it is edited, while every row holds an index.
  if (!playerWindow_ || !playerWindow_->isVisible() || animations_.empty()) return;
  if (auto table = readCells(shown_, EntryZero::Forced)) showAnimations(*table, false);
}

void Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) grid_->setFocus();  // the grid is what the person edits first
}

void Window::closeEvent(QCloseEvent* event) {
  if (maySetAsideTable("The palette table has changes that were not saved. Save them before closing?"))
    event->accept();
  else
    event->ignore();
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
  const auto urls = event->mimeData()->urls();
  for (auto it = urls.rbegin(); it != urls.rend(); ++it) {
    if (!it->isLocalFile()) continue;
    setSource(ui::toPath(it->toLocalFile()));
    event->acceptProposedAction();
    return;
  }
}

}  // namespace scalepaint
