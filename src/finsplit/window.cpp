#include "finsplit/window.hpp"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "finsplit/frames.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/fish_info.hpp"
#include "fishfile/system_palette.hpp"
#include "image/bmp_decode.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace finsplit {

namespace {

// The icon's box; a larger icon is shown smaller.
constexpr int kIconSide = 83;
constexpr int kDescriptionLines = 3;

// The first local file among the dropped URLs, if any.
QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

QString shown(const std::string& stored, base::CodePage page) { return ui::toQString(base::fromCodePageForShowing(stored, page)); }

}  // namespace

Window::Window(const std::filesystem::path& saveFolder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), worker_(*ownUi_), flow_(worker_.ui(), saveFolder) {
  build();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& saveFolder, QWidget* parent)
    : QWidget(parent), worker_(ui), flow_(worker_.ui(), saveFolder) {
  build();
}

Window::~Window() { worker_.shutDown(); }

void Window::build() {
  setWindowTitle(ui::toQString(windowCaption()));
  setAcceptDrops(true);

  constexpr Qt::Alignment kCaption = Qt::AlignLeft | Qt::AlignVCenter;
  auto pathLabel = [](QWidget* parent) { return new ui::PathLabel(parent); };
  ui::ControlTable table(this);
  table.add({
      ui::grid("window").spacing(10, -1),
      ui::label("lblSaveFolderCaption", "Save Folder").at("window", 1, 0),
      ui::custom("lblSaveFolder", pathLabel).at("window", 2, 0).into(saveFolder_),
      ui::button("cmdSetFolder", "SetFolder").at("window", 2, 1),
      ui::button("cmdCut", "Cut").with(ui::kDefault).at("window", 3, 1),
      ui::label("lblStatus", "Drop a fish file here, or press Cut.").at("window", 3, 0).into(status_),
      ui::columnStretch("window", 0, 1),
      // The fish file shown, above the folder and Cut.
      ui::grid("fish").spacing(10, 4).margin(0, 0, 0, 10).at("window", 0, 0, 1, 2),
      ui::label("imgFishIcon").at("fish", 0, 0, 6, 1).align(Qt::AlignTop).into(icon_),
      ui::label("lblFishFileCaption", "Fish file").at("fish", 0, 1).align(kCaption),
      ui::custom("lblFishFile", pathLabel).at("fish", 0, 2).into(fishFile_),
      ui::label("lblFishNameCaption", "Fish name").at("fish", 1, 1).align(kCaption),
      ui::label("lblFishName").at("fish", 1, 2).into(name_),
      ui::label("lblLatinCaption", "Latin").at("fish", 2, 1).align(kCaption),
      ui::label("lblLatin").at("fish", 2, 2).into(latin_),
      ui::label("lblGenreCaption", "Genre").at("fish", 3, 1).align(kCaption),
      ui::label("lblGenre").at("fish", 3, 2).into(genre_),
      ui::label("lblHabitatCaption", "Habitat").at("fish", 4, 1).align(kCaption),
      ui::label("lblHabitat").at("fish", 4, 2).into(habitat_),
      ui::label("lblDescriptionCaption", "Description").at("fish", 5, 1).align(Qt::AlignLeft | Qt::AlignTop),
      ui::custom("txtDescription", [](QWidget* parent) { return new QPlainTextEdit(parent); }).at("fish", 5, 2).into(description_),
      ui::custom("AnimationPlayer", [](QWidget* parent) { return new ui::AnimationPlayer(parent); })
          .at("fish", 6, 0, 1, 3)
          .into(player_),
      ui::columnStretch("fish", 2, 1),
      ui::rowStretch("fish", 6, 1),
      ui::rowStretch("window", 0, 1),
  });
  table.layout("window")->setSizeConstraint(QLayout::SetMinimumSize);
  for (ui::PathLabel* label : {saveFolder_, fishFile_}) {
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMargin(3);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  status_->setForegroundRole(QPalette::PlaceholderText);
  // A long save folder is cut rather than widening the window; the tooltip holds the line whole.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  icon_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  icon_->setAlignment(Qt::AlignCenter);
  icon_->setForegroundRole(QPalette::PlaceholderText);
  icon_->setBackgroundRole(QPalette::Base);
  icon_->setAutoFillBackground(true);
  icon_->setFixedSize(kIconSide + 2 * icon_->frameWidth(), kIconSide + 2 * icon_->frameWidth());
  for (QLabel* text : {name_, latin_, genre_, habitat_}) {
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setTextFormat(Qt::PlainText);
  }
  description_->setReadOnly(true);
  description_->setFixedHeight(fontMetrics().lineSpacing() * kDescriptionLines + 2 * description_->frameWidth() +
                               static_cast<int>(2 * description_->document()->documentMargin()));
  player_->setRoom(QSize(1000, 300));
  player_->setEmptyText(ui::translatedText("Open a fish file (File › Open, or drop it on the window) to see its animations."));

  connect(table.get<QPushButton>("cmdSetFolder"), &QPushButton::clicked, this, &Window::setFolder);
  connect(table.get<QPushButton>("cmdCut"), &QPushButton::clicked, this, &Window::cut);

  // File › Open… shows a fish file; Code Page says how its texts are read.
  QMenuBar* bar = ui::addMenuBar(this);
  ui::addCodePageMenu(bar, codePage_, [this](base::CodePage page) {
    codePage_ = page;
    showTexts();
  });
  auto* fileMenu = new QMenu(bar);
  fileMenu->setObjectName(QStringLiteral("mnuFile"));
  ui::setDesignedText(fileMenu, QStringLiteral("&File"));
  bar->insertMenu(bar->actions().value(0), fileMenu);
  QAction* open = fileMenu->addAction(QString());
  open->setObjectName(QStringLiteral("mnuFileOpen"));
  ui::setDesignedText(open, QStringLiteral("&Open…"));
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, &Window::openFish);
  fileMenu->addSeparator();
  ui::addSuiteMenus(bar, fileMenu, recent_, [this](const ui::RecentFile& file) { showFish(ui::toPath(file.path)); });

  showSaveFolder();
  showTexts();
  resize(sizeHint());
}

void Window::setFolder() {
  if (worker_.running()) return;
  flow_.setFolder();
  showSaveFolder();
}

// The cut runs on the worker thread, one at a time; its result shows when it is done.
void Window::cut() {
  if (!shown_.empty()) {
    cutFile(shown_);
    return;
  }
  worker_.start([this] { result_ = flow_.cut(); }, [this] { showResult(result_); });
}

void Window::cutFile(const std::filesystem::path& fishFile) {
  worker_.start([this, fishFile] { result_ = flow_.cutFile(fishFile); }, [this] { showResult(result_); });
}

void Window::openFish() {
  if (worker_.running()) return;
  if (auto file = worker_.ui().openFile({kOpenTitle, kOpenFilter, {}, {}})) showFish(*file);
}

bool Window::showFish(const std::filesystem::path& fishFile) {
  if (worker_.running()) return false;
  auto bytes = base::readFile(fishFile, fishfile::kMaxFishFileSize);
  if (!bytes) {
    worker_.ui().message(bytes.error().message);
    status_->clear();
    return false;
  }
  shown_ = fishFile;
  recent_.add(fishFile);
  fishFile_->setPath(ui::fromPath(fishFile));

  auto info = fishfile::readFishInfo(*bytes);
  texts_ = info && info->texts ? *info->texts : fishfile::FishTexts{};
  icon_->clear();
  QImage icon;
  if (info && info->icon)
    if (auto picture = image::decodeBmp(*info->icon)) icon = ui::pictureImage(*picture);
  if (icon.isNull()) {
    icon_->setText(ui::translatedText("No icon"));
  } else {
    QPixmap picture = QPixmap::fromImage(icon);
    if (picture.width() > kIconSide || picture.height() > kIconSide)
      picture = picture.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    icon_->setPixmap(picture);
  }
  showTexts();

  // The frames as Cut writes them, index 0 clear.
  std::vector<ui::PlayerAnimation> animations;
  auto decoded = decodeAnimations(*bytes);
  if (decoded) {
    std::size_t number = 0;
    for (const auto& animation : *decoded) {
      auto& shownAnimation = animations.emplace_back();
      for (const auto& frame : animation.frames)
        shownAnimation.frames.push_back({ui::indexedImage(frame.width, frame.height, frame.pixels, fishfile::systemPalette()),
                                         ui::toQString(fishfile::frameName(number++)), {}});
    }
  }
  if (!decoded)
    player_->setEmptyText(ui::toQString(base::strcat("Cannot cut ", base::displayPath(fishFile), ": ", decoded.error().message)));
  else if (animations.empty())
    player_->setEmptyText(ui::toQString(base::strcat("No animation sets found in ", base::displayPath(fishFile), ".")));
  player_->setAnimations(std::move(animations));
  status_->setForegroundRole(QPalette::PlaceholderText);
  status_->setText(ui::translatedText("Press Cut to write its frames to the save folder."));
  status_->setToolTip({});
  return true;
}

void Window::showTexts() {
  name_->setText(shown(texts_.name, codePage_));
  latin_->setText(shown(texts_.latin, codePage_));
  genre_->setText(shown(texts_.genre, codePage_));
  habitat_->setText(shown(texts_.habitat, codePage_));
  description_->setPlainText(shown(texts_.description, codePage_));
  if (shown_.empty()) icon_->setText(ui::translatedText("No fish file"));
}

void Window::showSaveFolder() { saveFolder_->setPath(ui::fromPath(flow_.saveFolder())); }

void Window::showResult(const CutResult& result) {
  switch (result.outcome) {
    case ui::Outcome::Cancelled:
      return;  // nothing happened, nothing to say
    case ui::Outcome::Refused:
      status_->clear();  // the message box said why
      return;
    case ui::Outcome::Done:
      recent_.add(result.file);
      // A file chosen in Cut's own dialog is shown too.
      if (result.file != shown_) showFish(result.file);
      status_->setForegroundRole(QPalette::WindowText);
      status_->setText(ui::toQString(framesWrittenText(result.written, flow_.saveFolder())));
      status_->setToolTip(status_->text());
      return;
  }
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
  const QString file = droppedFile(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  // Shown after the drop has ended, so the program the file came from is not kept waiting
  // behind a message box.
  QTimer::singleShot(0, this, [this, file] { showFish(ui::toPath(file)); });
}

}  // namespace finsplit
