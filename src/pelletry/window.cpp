#include "pelletry/window.hpp"

#include <QCloseEvent>
#include <QDialog>
#include <QDropEvent>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextCursor>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "foodfile/foodfile.hpp"
#include "pelletry/artwork.hpp"
#include "pelletry/preview_window.hpp"
#include "pelletry/widgets.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/set_aside.hpp"
#include "ui/wrote.hpp"

namespace pelletry {

using foodfile::kMaxKind;

namespace {

// The window's size at start: 6030 × 7880 twips.
constexpr int kStartWidth = 6030, kStartHeight = 7880;
constexpr int kPictureBox = 88;
constexpr int kStripColumns = 5;
constexpr int kSwapSlot = 25, kBlankSlot = 26;
enum PreviewLook { kPreviewDisabled = 0, kPreviewEnabled = 1, kPreviewPressed = 2 };

// A frame as the strip and the preview show it: an 8-bit frame's palette index 0 is clear, as
// it is when the food is drawn in the tank. A file Qt cannot show gets a question mark.
QPixmap loadFrame(const QString& path) {
  QImage image = ui::previewPicture(path);
  if (image.isNull()) {
    QPixmap unknown(art::kSlotSize - 8, art::kSlotSize - 8);
    unknown.fill(Qt::transparent);
    QPainter p(&unknown);
    QFont font = p.font();
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(190, 60, 40));
    p.drawText(unknown.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return unknown;
  }
  if (image.format() == QImage::Format_Indexed8 && image.colorCount() > 0) image.setColor(0, qRgba(0, 0, 0, 0));
  return QPixmap::fromImage(image);
}


}  // namespace

// One action on the strip or the picture: the frames before and after it.
class FramesEdit : public QUndoCommand {
 public:
  FramesEdit(Window& window, Window::Frames before, Window::Frames after, const QString& what)
      : QUndoCommand(what), window_(window), before_(std::move(before)), after_(std::move(after)) {}
  void undo() override { window_.showFrames(before_); }
  void redo() override { window_.showFrames(after_); }

 private:
  Window& window_;
  Window::Frames before_, after_;
};

Window::Window(QWidget* parent) : QMainWindow(parent), ownUi_(std::make_unique<ui::QtUi>(this)), flow_(*ownUi_) {
  makeControls();
}

Window::Window(ui::Ui& ui, QWidget* parent) : QMainWindow(parent), flow_(ui) { makeControls(); }

Window::~Window() = default;

void Window::makeControls() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kCaption));
  setWindowIcon(art::programIcon());

  // The background takes a dragged frame and puts the trash back to normal.
  auto* background = new DragPassArea(this);
  background->setObjectName(QStringLiteral("frmMainBackground"));
  setCentralWidget(background);
  auto lookButton = [](const char* name, std::vector<QPixmap> looks, int normal, int pressed) {
    return [=](QWidget* parent) { return new LookButton(QString::fromLatin1(name), looks, normal, pressed, parent); };
  };
  using art::Look;
  const auto kindBox = art::kKindSize, pictureSide = kPictureBox;
  ui::ControlTable table(background);
  table.add({
      ui::column("window").spacing(6).margin(10, 8, 10, 8),
      // Name and ID on one row, the memo below.
      // The memo takes the height the window gains; the strip's slots keep their size.
      ui::grid("texts").spacing(8, 6).in("window", 1),
      ui::label("Label1", "Food Name").at("texts", 0, 0).buddy("Text1"),
      ui::lineEdit("Text1").limit(kNameChars).at("texts", 0, 1).into(name_),
      ui::label("Label3", "ID").at("texts", 0, 2).buddy("Text4"),
      ui::lineEdit("Text4", kDefaultId).textAlign(Qt::AlignCenter).tip(kIdTip).at("texts", 0, 3).into(id_),
      ui::label("Label2", "Memo").at("texts", 1, 0).align(Qt::AlignTop).buddy("Text2"),
      ui::custom("Text2", [](QWidget* parent) { return new QPlainTextEdit(parent); }).at("texts", 1, 1, 1, 3).into(memo_),
      ui::columnStretch("texts", 1, 1),
      // The kind: its picture and the scroll bar; the food picture and its button.
      ui::row("pictures").spacing(8).in("window"),
      ui::column("kindColumn").spacing(2).in("pictures"),
      ui::label("Label4", "Kind").in("kindColumn"),
      ui::row("kindRow").spacing(2).in("kindColumn"),
      ui::stretch("kindColumn"),
      ui::label("Image1_1").textAlign(Qt::AlignCenter).in("kindRow").into(kindDisplay_),
      ui::custom("VScroll1", [](QWidget* parent) { return new QScrollBar(Qt::Vertical, parent); })
          .tip("Food kind 0-12")
          .in("kindRow")
          .into(kind_),
      ui::space("pictures", 14),
      ui::column("pictureColumn").spacing(2).in("pictures"),
      ui::label("Label5", "Picture").in("pictureColumn"),
      ui::label("Image1_0").textAlign(Qt::AlignCenter).in("pictureColumn").into(pictureDisplay_),
      ui::custom("Image4", lookButton("Image4", {art::pictureButton(Look::Normal), art::pictureButton(Look::Pressed)}, 0, 1))
          .tip("Choose the food's picture (a bitmap)")
          .in("pictures")
          .align(Qt::AlignBottom)
          .into(pictureButton_),
      ui::stretch("pictures"),
  });
  kindDisplay_->setFixedSize(kindBox, kindBox);
  pictureDisplay_->setFixedSize(pictureSide, pictureSide);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setTabChangesFocus(true);
  memo_->setMinimumHeight(fontMetrics().lineSpacing() * 3 + 10);
  id_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  ui::attachNumberHint(id_, {0, 127, 6, ui::NumberRule::Refuse, {}, {}});  // an ID from 0 to 127, no unit
  kind_->setRange(0, kMaxKind);
  kind_->setPageStep(1);
  kind_->setFixedHeight(art::kKindSize);

  // The kind pictures themselves are not shown: the kind display copies them.
  for (int k = 0; k <= kMaxKind; ++k) {
    auto* picture = new QLabel(background);
    picture->setObjectName(QStringLiteral("Image13_%1").arg(k));
    picture->setPixmap(art::kindPicture(k));
    picture->hide();
    kindPictures_[static_cast<std::size_t>(k)] = picture;
  }

  // The frame strip on its panel (Image11), the buttons and the trash beside it.
  table.add({
      ui::row("stripRow").spacing(10).in("window"),
      ui::column("stripColumn").spacing(2).in("stripRow"),
      ui::custom("Image11", [](QWidget* parent) { return new DragPassArea(parent); }),
      ui::grid("slots").spacing(4).margin(6, 6, 6, 6).on("Image11"),
  });
  auto* panel = table.get<DragPassArea>("Image11");
  auto* slotGrid = static_cast<QGridLayout*>(table.layout("slots"));
  for (int i = 0; i < kBlankSlot + 1; ++i) {
    auto* slot = new FrameSlot(i, panel);
    slots_[static_cast<std::size_t>(i)] = slot;
    if (i >= kSwapSlot) {
      slot->hide();  // the swap slot and the blank picture
      continue;
    }
    slotGrid->addWidget(slot, i / kStripColumns, i % kStripColumns);
  }
  table.add({
      ui::label("lblFrames").in("stripColumn").into(frameCount_),
      ui::place("Image11").in("stripColumn"),
      ui::stretch("stripColumn"),
      ui::column("buttons").spacing(6).in("stripRow"),
      ui::space("buttons", fontMetrics().lineSpacing() + 2),
      ui::custom("Image6", lookButton("Image6", {art::addFrameButton(Look::Normal), art::addFrameButton(Look::Pressed)}, 0, 1))
          .tip("Add an animation frame (a bitmap) to the strip")
          .in("buttons")
          .into(addButton_),
      ui::custom("Image10", lookButton("Image10",
                                       {art::previewButton(Look::Disabled), art::previewButton(Look::Normal),
                                        art::previewButton(Look::Pressed)},
                                       kPreviewDisabled, kPreviewPressed))
          .tip("Play the frames as the food will move")
          .in("buttons")
          .into(previewButton_),
      ui::stretch("buttons"),
      ui::custom("Image9", [](QWidget* parent) { return new TrashCan(parent); }).in("buttons").into(trash_),
      ui::stretch("stripRow"),
  });

  connectControls(background, panel);
  makeMenus();
  statusBar()->setObjectName(QStringLiteral("StatusBar"));

  showPicture();
  showKind();
  showStrip();
  name_->setFocus();
  resize(QSize(twipsToPixels(kStartWidth), twipsToPixels(kStartHeight)).expandedTo(minimumSizeHint()));
}

// What the controls do: the boxes and buttons, and every drop on the strip, its panel and the
// window's background.
void Window::connectControls(DragPassArea* background, DragPassArea* panel) {
  connect(memo_, &QPlainTextEdit::textChanged, this, &Window::limitMemo);
  connect(kind_, &QScrollBar::valueChanged, this, [this] { showKind(); });
  connect(pictureButton_, &LookButton::clicked, this, [this] { choosePicture(); });
  for (FrameSlot* slot : slots_) {
    if (slot->isHidden()) continue;
    connect(slot, &FrameSlot::frameDropped, this, &Window::dropFrame);
    connect(slot, &FrameSlot::trashRequested, this, &Window::trashFrame);
    connect(slot, &FrameSlot::frameOver, this, [this] { trash_->setHighlighted(false); });
  }
  connect(panel, &DragPassArea::frameOver, this, [this] { trash_->setHighlighted(false); });
  for (FrameSlot* slot : slots_) connect(slot, &FrameSlot::filesDropped, this, [this](const QStringList& files) { dropFiles(files, false); });
  connect(panel, &DragPassArea::filesDropped, this, [this](const QStringList& files) { dropFiles(files, false); });
  connect(background, &DragPassArea::filesDropped, this, [this](const QStringList& files) { dropFiles(files, false); });
  for (QWidget* picture : {static_cast<QWidget*>(pictureDisplay_), static_cast<QWidget*>(pictureButton_)}) {
    picture->setAcceptDrops(true);
    picture->installEventFilter(this);
  }
  connect(background, &DragPassArea::frameOver, this, [this] { trash_->setHighlighted(false); });
  connect(addButton_, &LookButton::clicked, this, [this] { addFrame(); });
  connect(previewButton_, &LookButton::clicked, this, &Window::preview);
  connect(trash_, &TrashCan::frameDropped, this, &Window::trashFrame);
}

void Window::makeMenus() {
  auto addEntry = [this](QMenu* menu, const char* name, const char* text, void (Window::*action)(), QKeySequence keys = {}) {
    QAction* entry = menu->addAction(QString::fromUtf8(text));
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(keys);
    connect(entry, &QAction::triggered, this, action);
    return entry;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
  addEntry(file, "mnuFileNew", "New", &Window::newFood, QKeySequence::New);
  addEntry(file, "mnuFileSave", "Save", &Window::save, QKeySequence::Save);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar"));
  QAction* exit = file->addAction(QStringLiteral("Exit"));
  exit->setObjectName(QStringLiteral("mnuFileExit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
  undo_ = ui::addUndoEntries(edit, this);

  ui::addCodePageMenu(menuBar(), flow_.codePage(), [this](base::CodePage page) { flow_.setCodePage(page); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
  addEntry(help, "mnuHelpAbout", "About Pelletry", &Window::about);

  // File › Recent: a picture becomes the picture again, a frame joins the strip again.
  const QString frame = QStringLiteral("frame");
  ui::addRecentMenu(
      file, recent_,
      [this, frame](const ui::RecentFile& recent) {
        if (recent.kind != frame) return setPicture(ui::toPath(recent.path));
        if (flow_.strip().full()) return statusBar()->showMessage(QString::fromUtf8(kStripFull));
        addFrame(ui::toPath(recent.path));
      },
      [frame](const QString& kind) { return QString::fromLatin1(kind == frame ? "Frame" : "Picture"); },
      file->findChild<QAction*>(QStringLiteral("mnuFileBar")));
  ui::addLanguageMenu(menuBar(), help);
}

void Window::limitMemo() {
  // The flow's limit, kept while typing.
  const QString text = memo_->toPlainText();
  if (memoCharacters(text.toStdString()) <= kMemoChars) {
    memoAccepted_ = text;
    return;
  }
  const int cursor = memo_->textCursor().position() - static_cast<int>(text.size() - memoAccepted_.size());
  const QSignalBlocker quiet(memo_);
  memo_->setPlainText(memoAccepted_);
  QTextCursor restored = memo_->textCursor();
  restored.setPosition(std::clamp(cursor, 0, static_cast<int>(memoAccepted_.size())));
  memo_->setTextCursor(restored);
}

void Window::showBoxes() {
  name_->setText(ui::toQString(flow_.boxes.name));
  QString memo = ui::toQString(flow_.boxes.memo);
  memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memo_->setPlainText(memo);
  id_->setText(ui::toQString(flow_.boxes.id));
  kind_->setValue(std::clamp(flow_.boxes.kind, 0, kMaxKind));
}

void Window::readBoxes() {
  flow_.boxes.name = name_->text().toStdString();
  flow_.boxes.memo = memo_->toPlainText().toStdString();  // the flow stores its line breaks as CR LF
  flow_.boxes.id = id_->text().toStdString();
  flow_.boxes.kind = kind_->value();
}

QPixmap Window::framePicture(const std::string& path) {
  const QString key = ui::toQString(path);
  auto found = frames_.constFind(key);
  if (found != frames_.constEnd()) return *found;
  QPixmap picture = loadFrame(key);
  frames_.insert(key, picture);
  return picture;
}

void Window::showStrip() {
  const FrameStrip& strip = flow_.strip();
  for (std::size_t i = 0; i < FrameStrip::kSlots; ++i) {
    slots_[i]->setFrame(strip.draggable(i) ? framePicture(strip.path(i)) : QPixmap());
    slots_[i]->setDraggable(strip.draggable(i));
  }
  previewButton_->setNormalLook(strip.empty() ? kPreviewDisabled : kPreviewEnabled);
  previewButton_->setEnabled(!strip.empty());
  frameCount_->setText(QStringLiteral("Frames: %1 of %2").arg(strip.count()).arg(FrameStrip::kSlots));
}

void Window::showPicture() {
  const std::string& path = flow_.picturePath();
  if (path.empty()) {
    pictureDisplay_->setPixmap(art::blankPicture(kPictureBox, kPictureBox));
    pictureDisplay_->setToolTip({});
    return;
  }
  QPixmap picture = QPixmap::fromImage(ui::previewPicture(ui::toQString(path)));
  if (picture.isNull()) picture = loadFrame({});  // the question mark
  if (picture.width() > kPictureBox || picture.height() > kPictureBox)
    picture = picture.scaled(kPictureBox, kPictureBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  pictureDisplay_->setPixmap(picture);
  pictureDisplay_->setToolTip(ui::toQString(path));
}

void Window::showKind() {
  kindDisplay_->setPixmap(kindPictures_[static_cast<std::size_t>(kind_->value())]->pixmap());
  kindDisplay_->setToolTip(QStringLiteral("Food kind %1").arg(kind_->value()));
}

Window::Frames Window::frames() const { return {flow_.strip().paths(), flow_.picturePath()}; }

void Window::showFrames(const Frames& frames) {
  flow_.strip().clear();
  for (const std::string& path : frames.strip) flow_.strip().add(path);
  flow_.setPicture(frames.picture);
  showStrip();
  showPicture();
}

void Window::recordEdit(const Frames& before, const QString& what) {
  Frames after = frames();
  if (after == before) return;
  undo_->push(new FramesEdit(*this, before, std::move(after), what));
}

bool Window::unsaved() const { return !flow_.strip().empty() && frames() != saved_; }

bool Window::maySetAsideFrames(const char* question) {
  return ui::maySetAside(flow_.ui(), question, [this] { return unsaved(); }, [this] { save(); });
}

void Window::closeEvent(QCloseEvent* event) {
  if (maySetAsideFrames("The frame strip holds frames not yet written to a food file. Save the food before closing?"))
    event->accept();
  else
    event->ignore();
}

void Window::choosePicture() {
  const Frames before = frames();
  if (flow_.choosePicture() == ui::Outcome::Done) {
    showPicture();
    recent_.add(ui::toQString(flow_.picturePath()), QStringLiteral("picture"));
  }
  recordEdit(before, QStringLiteral("Picture"));
}

void Window::setPicture(const std::filesystem::path& file) {
  const Frames before = frames();
  flow_.setPicture(base::displayPath(file));
  showPicture();
  recent_.add(file, QStringLiteral("picture"));
  recordEdit(before, QStringLiteral("Picture"));
}

void Window::addFrame() {
  const Frames before = frames();
  if (flow_.addFrame() == ui::Outcome::Done) {
    showStrip();
    recent_.add(ui::toQString(flow_.strip().path(flow_.strip().count() - 1)), QStringLiteral("frame"));
  }
  recordEdit(before, QStringLiteral("Add Frame"));
}

void Window::addFrame(const std::filesystem::path& file) {
  const Frames before = frames();
  if (flow_.addFrame(base::displayPath(file))) {
    showStrip();
    recent_.add(file, QStringLiteral("frame"));
  }
  recordEdit(before, QStringLiteral("Add Frame"));
}

void Window::dropFrame(int from, int to) {
  if (from < 0 || to < 0) return;
  const Frames before = frames();
  if (flow_.strip().swap(static_cast<std::size_t>(from), static_cast<std::size_t>(to))) showStrip();
  recordEdit(before, QStringLiteral("Move Frame"));
}

void Window::trashFrame(int slot) {
  trash_->setHighlighted(false);
  const Frames before = frames();
  if (slot >= 0 && flow_.strip().remove(static_cast<std::size_t>(slot))) showStrip();
  recordEdit(before, QStringLiteral("Delete Frame"));
}

void Window::dropFiles(const QStringList& files, bool onPicture) {
  if (files.isEmpty()) return;
  if (onPicture) {
    setPicture(ui::toPath(files.front()));
    return;
  }
  const Frames before = frames();
  for (const QString& file : files) {
    if (flow_.strip().full()) {
      statusBar()->showMessage(QString::fromUtf8(kStripFull));
      break;
    }
    if (flow_.addFrame(base::displayPath(ui::toPath(file)))) recent_.add(file, QStringLiteral("frame"));
  }
  showStrip();
  recordEdit(before, files.size() == 1 ? QStringLiteral("Add Frame") : QStringLiteral("Add Frames"));
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (watched != pictureDisplay_ && watched != pictureButton_) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (draggedFiles(drag->mimeData()).isEmpty()) return false;
    drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = draggedFiles(drop->mimeData());
    if (files.isEmpty()) return false;
    drop->acceptProposedAction();
    dropFiles(files, true);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool Window::previewEnabled() const { return previewButton_->isEnabled(); }

Box Window::mainBox() const {
  const QRect frame = frameGeometry();
  return {frame.left(), frame.top(), frame.width(), frame.height()};
}

std::unique_ptr<PreviewWindow> Window::makePreview(QWidget* parent) {
  if (flow_.strip().empty()) return nullptr;
  QList<QPixmap> frames;
  for (const auto& path : flow_.strip().paths()) frames.append(framePicture(path));
  return std::make_unique<PreviewWindow>(frames, mainBox(), parent);
}

void Window::preview() {
  auto window = makePreview(this);
  if (!window) return;
  window->exec();
  previewButton_->setNormalLook(kPreviewEnabled);
}

void Window::setKind(int kind) { kind_->setValue(kind); }

void Window::newFood() {
  if (!maySetAsideFrames("The frame strip holds frames not yet written to a food file. Save the food before starting a new one?"))
    return;
  const Frames before = frames();
  flow_.newFood();
  frames_.clear();
  showStrip();
  showPicture();
  statusBar()->clearMessage();
  recordEdit(before, QStringLiteral("New"));
}

void Window::save() {
  readBoxes();
  const SaveResult result = flow_.save();
  if (result.outcome != ui::Outcome::Done) return;  // a message box said why, or the person stopped
  saved_ = frames();
  const std::size_t count = saved_.strip.size();
  const std::filesystem::path output = std::filesystem::absolute(result.output);
  statusBar()->showMessage(ui::toQString(ui::wroteInText(
      base::displayPath(output.filename()), base::displayPath(output.parent_path()),
      base::strcat("picture and ", count, count == 1 ? " frame, " : " frames, ", base::withThousands(result.bytes), " bytes"))));
}

namespace {

// The About window: one picture; a click anywhere closes it.
class AboutWindow : public QDialog {
 public:
  explicit AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Pelletry"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(art::aboutPicture());
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setToolTip(QStringLiteral("Click to close"));
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { accept(); }
};

}  // namespace

void Window::about() {
  AboutWindow window(this);
  window.adjustSize();
  const Box place = placeAbout(mainBox(), window.width(), window.height());
  window.move(place.left, place.top);
  window.exec();
}

}  // namespace pelletry
