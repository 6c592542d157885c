#include "scalepaint/window.hpp"

#include <QAction>
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

#include "base/codepage.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "scalepaint/preview_qimage.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace scalepaint {

namespace {

// The surface under the controls; the preview is stretched over all of it.
constexpr int kSurfaceWidth = 560;
constexpr int kSurfaceHeight = 480;
constexpr int kMargin = 10;
constexpr int kGridWidth = 150;
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

}  // namespace

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
  surface_->setFixedSize(kSurfaceWidth, kSurfaceHeight);
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

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);
  status_ = new QLabel(statusBar());
  status_->setObjectName(QStringLiteral("StatusText"));
  status_->setIndent(6);
  statusBar()->addWidget(status_, 1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
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
  for (std::size_t i = 0; i < kEntries; ++i) {
    auto* item = new QTableWidgetItem(utf8(cells[i]));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->setItem(static_cast<int>(i), 0, item);
  }
}

void Window::readBoxes() {
  grid_->commitEdit();
  flow_.cells = gridCells();
  flow_.destination = destination_->text().toStdString();
}

void Window::openPalette() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  if (flow_.openPalette() != ui::Outcome::Done) return;
  setGridCells(flow_.cells);
  recent_.add(flow_.openedPalette, QStringLiteral("palette"));
}

void Window::openPaletteFile(const std::filesystem::path& file) {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  if (flow_.openPaletteFile(file) != ui::Outcome::Done) return;
  setGridCells(flow_.cells);
  recent_.add(flow_.openedPalette, QStringLiteral("palette"));
}

void Window::savePalette() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  flow_.savePalette();
}

void Window::init() {
  if (worker_.running()) return;  // MAKE is using the flow
  flow_.init();
  setGridCells(flow_.cells);
}

void Window::fill() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  flow_.fill();
  setGridCells(flow_.cells);
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
  status_->setText(utf8(base::strcat("Recoloured ", result.recoloured.sets,
                                             result.recoloured.sets == 1 ? " animation set" : " animation sets",
                                             " into ", base::displayPath(result.output), " (",
                                             base::withThousands(result.bytes), " bytes).")));
}

void Window::preview() {
  if (worker_.running()) return;  // MAKE is using the flow
  readBoxes();
  status_->clear();
  const PreviewResult result = flow_.preview();
  if (result.outcome != ui::Outcome::Done) return;
  surface_->setDrawing(previewQImage(result.image));
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

void Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) grid_->setFocus();  // the grid is what the person edits first
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
