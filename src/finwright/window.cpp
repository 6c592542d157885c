#include "finwright/window.hpp"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/user_folders.hpp"
#include "finwright/pipeline.hpp"
#include "finwright/preview_window.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "fishfile/fish_assembly.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/remembered.hpp"
#include "ui/qt/wrote_status.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/wrote.hpp"

namespace finwright {

namespace {

// Where the chosen fish library is remembered between runs.
const QString kLibraryKey = QStringLiteral("fishLibrary");

// The icon's side in pixels; the preview shows it at its own size.
constexpr int kIconSide = 83;
// Room for the 32 characters of a short text, measured in Latin letters: the average
// character width of a font that also holds kanji is that of the wide ones.
constexpr int kShortBoxChars = 34;
constexpr int kDescriptionLines = 6;

// A multi-line box that refuses text beyond its limit, as a one-line box with a maximum
// length does: what is typed, pasted or dropped is cut to the room left.
class LimitedTextBox : public QPlainTextEdit {
 public:
  LimitedTextBox(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextBox::cutOverflow);
  }

 private:
  // The text just inserted ends at the cursor; the overflow is cut from its end, so the
  // person sees the last keystroke refused. The cut joins the insertion's undo step.
  void cutOverflow() {
    const QString text = toPlainText();
    int over = static_cast<int>(text.size()) - limit_;
    if (over <= 0) return;
    QTextCursor cursor = textCursor();
    int end = cursor.position();
    if (end < over) end = static_cast<int>(text.size());  // not after an insertion: cut the end
    int start = end - over;
    if (start > 0 && text.at(start - 1).isHighSurrogate()) --start;  // never split a character
    cursor.joinPreviousEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    setTextCursor(cursor);
  }

  int limit_;

 public:
  // The height the box opens at; it grows with the window from there.
  void setPreferredHeight(int height) {
    preferredHeight_ = height;
    setMinimumHeight(height);
    updateGeometry();
  }
  QSize sizeHint() const override {
    QSize size = QPlainTextEdit::sizeHint();
    if (preferredHeight_ > 0) size.setHeight(preferredHeight_);
    return size;
  }

 private:
  int preferredHeight_ = 0;
};

// What was dropped: the first folder and the first bitmap among the dropped local files.
struct Dropped {
  QString folder;
  QString bitmap;
  bool empty() const { return folder.isEmpty() && bitmap.isEmpty(); }
};

Dropped dropped(const QMimeData* data) {
  Dropped out;
  if (!data || !data->hasUrls()) return out;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QFileInfo info(url.toLocalFile());
    if (info.isDir()) {
      if (out.folder.isEmpty()) out.folder = info.filePath();
    } else if (info.suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0) {
      if (out.bitmap.isEmpty()) out.bitmap = info.filePath();
    }
  }
  return out;
}

}  // namespace

Window::Window(const std::filesystem::path& startFolder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), worker_(*ownUi_), flow_(worker_.ui(), startFolder) {
  flow_.setChosenLibrary(ui::toPath(ui::programSettings().value(kLibraryKey).toString()));
  makeControls();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& startFolder, QWidget* parent)
    : QWidget(parent), worker_(ui), flow_(worker_.ui(), startFolder) {
  makeControls();
}

Window::~Window() { worker_.shutDown(); }

void Window::makeControls() {
  setWindowTitle(ui::toQString(windowCaption()));
  setAcceptDrops(true);

  // The code page the texts are written in.
  auto* menuBar = new QMenuBar(this);
  codePage_ = flow_.codePage();
  ui::addCodePageMenu(menuBar, codePage_, [this](base::CodePage page) { codePage_ = page; });

  // The boxes with their captions on the left, the preview and the buttons on the right, the
  // status below. The captions are made last.
  const std::string id = Boxes{}.id;
  constexpr int kShort = static_cast<int>(kShortTextLimit);
  constexpr Qt::Alignment kCaption = Qt::AlignLeft | Qt::AlignVCenter;
  auto pathLabel = [](QWidget* parent) { return new ui::PathLabel(parent); };
  ui::ControlTable table(this);
  table.add({
      ui::grid("window").spacing(14, -1),
      ui::grid("boxes").spacing(10, -1).at("window", 0, 0),
      ui::column("side").at("window", 0, 1),
      ui::lineEdit("txtID", id.c_str()).at("boxes", 1, 1).align(Qt::AlignLeft).into(id_),
      ui::lineEdit("txtFishName", kDefaultText).limit(kShort).at("boxes", 2, 1, 1, 2).into(name_),
      ui::lineEdit("txtLatin", kDefaultText).limit(kShort).at("boxes", 3, 1, 1, 2).into(latin_),
      ui::lineEdit("txtGenre", kDefaultText).limit(kShort).at("boxes", 4, 1, 1, 2).into(genre_),
      ui::lineEdit("txtHabitat", kDefaultText).limit(kShort).at("boxes", 5, 1, 1, 2).into(habitat_),
      ui::custom("txtDescription",
                 [](QWidget* parent) { return new LimitedTextBox(static_cast<int>(kDescriptionLimit), parent); })
          .at("boxes", 6, 1, 1, 2)
          .into(description_),
      ui::custom("lblImageFolder", pathLabel).at("boxes", 0, 1, 1, 2).into(imageFolder_),
      ui::label("imgIcon").in("side").align(Qt::AlignHCenter).into(iconPreview_),
      ui::button("cmdIcon", "Icon").in("side"),
      ui::space("side", 6),
      ui::button("cmdSetFolder", "SetFolder").in("side"),
      ui::button("cmdPreview", "Preview…").tip("Play the frames of the image folder as the fish will move, before building").in("side"),
      ui::stretch("side"),
      ui::button("cmdBuild", "Build").with(ui::kDefault).in("side"),
      ui::custom("lblStatus", pathLabel).at("window", 1, 0, 1, 2).into(status_),
      ui::label("lblImageFolderCaption", "Image Folder").at("boxes", 0, 0).align(kCaption).buddy("lblImageFolder"),
      ui::label("lblID", "ID").at("boxes", 1, 0).align(kCaption).buddy("txtID"),
      ui::label("lblFishName", "Fish name").at("boxes", 2, 0).align(kCaption).buddy("txtFishName"),
      ui::label("lblLatin", "Latin").at("boxes", 3, 0).align(kCaption).buddy("txtLatin"),
      ui::label("lblGenre", "Genre").at("boxes", 4, 0).align(kCaption).buddy("txtGenre"),
      ui::label("lblHabitat", "Habitat").at("boxes", 5, 0).align(kCaption).buddy("txtHabitat"),
      ui::label("lblDescription", "Description").at("boxes", 6, 0).align(Qt::AlignLeft | Qt::AlignTop).buddy("txtDescription"),
      ui::columnStretch("boxes", 2, 1),
      ui::rowStretch("boxes", 6, 1),  // a taller window makes the description taller
      ui::rowStretch("window", 0, 1),
      ui::columnStretch("window", 0, 1),
  });
  auto* grid = static_cast<QGridLayout*>(table.layout("window"));
  grid->setMenuBar(menuBar);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  id_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  ui::attachNumberHint(id_, {0, fishfile::kMaxFishId, 6, ui::NumberRule::Refuse, {}, {}});  // an ID has no unit
  for (QLineEdit* box : {name_, latin_, genre_, habitat_})
    box->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kShortBoxChars, QLatin1Char('n'))));
  description_->setPlainText(QString::fromUtf8(kDefaultText));
  static_cast<LimitedTextBox*>(description_)->setPreferredHeight(fontMetrics().lineSpacing() * kDescriptionLines + 2 * description_->frameWidth() +
                               static_cast<int>(2 * description_->document()->documentMargin()));
  table.widget("lblDescription")->setContentsMargins(0, description_->frameWidth() + 2, 0, 0);

  imageFolder_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  imageFolder_->setMargin(3);
  imageFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  iconPreview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  iconPreview_->setAlignment(Qt::AlignCenter);
  iconPreview_->setForegroundRole(QPalette::PlaceholderText);
  iconPreview_->setBackgroundRole(QPalette::Base);
  iconPreview_->setAutoFillBackground(true);
  iconPreview_->setFixedSize(kIconSide + 2 * iconPreview_->frameWidth(), kIconSide + 2 * iconPreview_->frameWidth());

  status_->setPath(QStringLiteral("Drop the icon bitmap or the frames folder here."));
  status_->setToolTip({});
  status_->setForegroundRole(QPalette::PlaceholderText);

  for (const char* name : {"cmdIcon", "cmdSetFolder", "cmdPreview", "cmdBuild"})
    table.widget(name)->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(table.get<QPushButton>("cmdIcon"), &QPushButton::clicked, this, &Window::icon);
  connect(table.get<QPushButton>("cmdSetFolder"), &QPushButton::clicked, this, &Window::setFolder);
  connect(table.get<QPushButton>("cmdBuild"), &QPushButton::clicked, this, &Window::build);
  connect(table.get<QPushButton>("cmdPreview"), &QPushButton::clicked, this, &Window::preview);

  // File: the fish library, then the recent icons and folders.
  auto* fileMenu = new QMenu(menuBar);
  fileMenu->setObjectName(QStringLiteral("mnuFile"));
  ui::setDesignedText(fileMenu, QStringLiteral("&File"));
  menuBar->insertMenu(menuBar->actions().value(0), fileMenu);
  QAction* chooseLibrary = fileMenu->addAction(QString());
  chooseLibrary->setObjectName(QStringLiteral("mnuChooseFishLibrary"));
  ui::setDesignedText(chooseLibrary, QStringLiteral("Choose Fish &Library…"));
  connect(chooseLibrary, &QAction::triggered, this, &Window::chooseLibrary);
  fileMenu->addSeparator();

  // A recent icon is chosen again, a recent folder set again, as if dropped.
  const QString folderKind = QStringLiteral("frames");
  ui::addSuiteMenus(
      menuBar, fileMenu, recent_,
      [this, folderKind](const ui::RecentFile& file) {
        if (file.kind == folderKind) setImageFolder(ui::toPath(file.path));
        else chooseIcon(ui::toPath(file.path));
      },
      [folderKind](const QString& kind) { return QString::fromLatin1(kind == folderKind ? "Image Folder" : "Icon"); });

  showIcon();
  showImageFolder();
  resize(sizeHint());
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void Window::icon() {
  if (worker_.running()) return;
  if (flow_.icon() == ui::Outcome::Done) recent_.add(ui::toQString(flow_.iconPath()), QStringLiteral("icon"));
  showIcon();
}

void Window::chooseLibrary() {
  if (worker_.running()) return;
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path current = flow_.library();
  fs::path start = current.empty() ? base::userDataFolder() : fs::absolute(current, ec).parent_path();
  if (!fs::is_directory(start, ec)) start = ui::toPath(QDir::homePath());
  const auto chosen = worker_.ui().openFile({"Choose Fish Library", "Fish library|*.lib|All files|*", start, {}});
  if (!chosen) return;
  flow_.setChosenLibrary(*chosen);
  if (ownUi_) ui::programSettings().setValue(kLibraryKey, ui::fromPath(*chosen));
}

void Window::chooseIcon(const std::filesystem::path& file) {
  if (worker_.running()) return;
  if (flow_.chooseIcon(file) == ui::Outcome::Done) recent_.add(ui::toQString(flow_.iconPath()), QStringLiteral("icon"));
  showIcon();
}

void Window::setFolder() {
  if (worker_.running()) return;
  const std::string before = flow_.imageFolder();
  flow_.setFolder();
  if (flow_.imageFolder() != before) recent_.add(ui::toQString(flow_.imageFolder()), QStringLiteral("frames"));
  showImageFolder();
}

void Window::setImageFolder(const std::filesystem::path& folder) {
  if (worker_.running()) return;
  flow_.setImageFolder(folder);
  recent_.add(ui::toQString(flow_.imageFolder()), QStringLiteral("frames"));
  showImageFolder();
}

void Window::preview() {
  if (flow_.imageFolder().empty()) {
    worker_.ui().message(kNoImageFolder);
    return;
  }
  if (!preview_) preview_ = new PreviewWindow(this);
  preview_->showFolder(flow_.imageFolder());
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
}

void Window::build() {
  if (worker_.running()) return;  // one build at a time
  flow_.boxes = {.id = id_->text().toStdString(),
                 .name = name_->text().toStdString(),
                 .latin = latin_->text().toStdString(),
                 .genre = genre_->text().toStdString(),
                 .habitat = habitat_->text().toStdString(),
                 .description = description_->toPlainText().toStdString()};
  flow_.setCodePage(codePage_);  // the menu's choice, taken here, not while a build runs
  // Off the GUI thread: the window stays responsive, the progress window offers Stop.
  worker_.start([this] { result_ = flow_.build(); }, [this] { showResult(result_); });
}

void Window::showIcon() {
  const QString path = ui::toQString(flow_.iconPath());
  iconPreview_->setToolTip(path);
  if (path.isEmpty()) {
    iconPreview_->setText(QStringLiteral("No icon"));  // also drops any picture shown
    return;
  }
  const QImage image = ui::previewPicture(path);
  if (image.isNull()) {
    iconPreview_->setText(QStringLiteral("No preview"));
    return;
  }
  QPixmap picture = QPixmap::fromImage(image);
  if (picture.width() > kIconSide || picture.height() > kIconSide)
    picture = picture.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  iconPreview_->setPixmap(picture);
}

void Window::showImageFolder() {
  imageFolder_->setPath(ui::toQString(flow_.imageFolder()));
  // An open preview follows the folder.
  if (preview_ && preview_->isVisible() && !flow_.imageFolder().empty()) preview_->showFolder(flow_.imageFolder());
}

void Window::showResult(const BuildResult& result) {
  switch (result.outcome) {
    case ui::Outcome::Cancelled:
      return;  // nothing happened, nothing to say
    case ui::Outcome::Refused:
      status_->setPath({});  // the message box said why
      return;
    case ui::Outcome::Done:
      status_->setForegroundRole(QPalette::WindowText);
      status_->setPath(ui::wroteStatus(result.output, base::strcat(kFrames, " frames, ", base::withThousands(result.bytes), " bytes")));
      return;
  }
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
  if (!dropped(event->mimeData()).empty()) event->acceptProposedAction();
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return QWidget::eventFilter(watched, event);
  auto* drag = static_cast<QDropEvent*>(event);
  const QMimeData* mime = drag->mimeData();
  bool files = false;
  if (mime && mime->hasUrls())
    for (const QUrl& url : mime->urls()) files = files || url.isLocalFile();
  if (!files) return QWidget::eventFilter(watched, event);  // text is the box's own
  if (type == QEvent::Drop) {
    dropEvent(drag);
  } else if (!dropped(mime).empty()) {
    drag->acceptProposedAction();
  } else {
    drag->ignore();
  }
  return true;
}

void Window::dropEvent(QDropEvent* event) {
  const Dropped items = dropped(event->mimeData());
  if (items.empty()) return;
  event->acceptProposedAction();
  // Take the items after the drop has ended, so the program they came from is not kept
  // waiting behind a message box.
  QTimer::singleShot(0, this, [this, items] {
    if (!items.folder.isEmpty()) setImageFolder(ui::toPath(items.folder));
    if (!items.bitmap.isEmpty()) chooseIcon(ui::toPath(items.bitmap));
  });
}

}  // namespace finwright
