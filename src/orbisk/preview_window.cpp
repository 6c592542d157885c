#include "orbisk/preview_window.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "orbisk/bitmap_image.hpp"
#include "orbisk/preview_text.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/fit_screen.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/qt_ui.hpp"

namespace orbisk {

namespace {

int clampToInt(std::uint64_t value) { return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX)); }

QToolButton* addToolButton(QToolBar* toolbar, const char* name, const QString& text, const QString& tip) {
  auto* button = new QToolButton(toolbar);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setToolTip(tip);
  toolbar->addWidget(button);
  return button;
}

QPushButton* makeMediaButton(QWidget* parent, QStyle::StandardPixmap icon, const char* tip) {
  auto* button = new QPushButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(QString::fromLatin1(tip));
  button->setAccessibleName(QString::fromLatin1(tip));
  if (button->icon().isNull()) button->setText(QString::fromLatin1(tip));
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

namespace {
// The smallest bitmap preview that still shows its toolbar and a picture at a glance.
constexpr QSize kUsefulBitmapWindow(320, 240);
// Room for the title bar and borders the window system adds around the window.
constexpr QSize kFrameRoom(8, 32);
}  // namespace

PreviewWindow::PreviewWindow(Preview& preview, ui::Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), preview_(preview), ui_(ui), makePlayer_(systemPlayerFactory()) {
  makeControls();
}

PreviewWindow::~PreviewWindow() { closePlayer(); }

void PreviewWindow::setPlayerFactory(PlayerFactory factory) {
  closePlayer();
  player_.reset();
  makePlayer_ = std::move(factory);
}

void PreviewWindow::makeControls() {
  setObjectName(QStringLiteral("BMPVIEW"));
  ui::setDesignedText(this, QString::fromUtf8(kPreviewCaptionHead));

  // Save, previous and next above; the bitmap, or the sound's player, below.
  auto toolbar = [this](QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setMovable(false);
    save_ = addToolButton(bar, "SaveButton", QString::fromUtf8(kPreviewSave), QStringLiteral("Save this resource into the output folder"));
    previous_ = addToolButton(bar, "PreviousButton", QString(), QStringLiteral("Previous resource"));
    previous_->setArrowType(Qt::LeftArrow);
    next_ = addToolButton(bar, "NextButton", QString(), QStringLiteral("Next resource"));
    next_->setArrowType(Qt::RightArrow);
    return bar;
  };
  auto pictureArea = [this](QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setAlignment(Qt::AlignCenter);
    area->setMinimumSize(1, 1);  // the window's size follows the bitmap, however small
    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("Image1"));
    area->setWidget(picture_);
    return area;
  };
  auto panel = [](QWidget* parent) { return new QWidget(parent); };
  auto mediaButton = [](QStyle::StandardPixmap icon, const char* tip) {
    return [icon, tip](QWidget* parent) { return makeMediaButton(parent, icon, tip); };
  };
  ui::ControlTable table(this);
  table.add({
      ui::column("window").spacing(0).margin(0, 0, 0, 0),
      ui::custom("ToolBar1", toolbar).in("window"),
      ui::custom("PictureArea", pictureArea).in("window", 1).into(pictureArea_),
      ui::custom("SoundPanel", panel).with(ui::kHidden).in("window", 1).into(soundPanel_),
      ui::column("sound").spacing(0).margin(6, 2, 6, 2).on("SoundPanel"),
      ui::custom("MediaPlayer1", panel).on("SoundPanel").in("sound"),
      ui::row("media").spacing(2).margin(0, 0, 0, 0).on("MediaPlayer1"),
      ui::custom("MediaPlay", mediaButton(QStyle::SP_MediaPlay, "Play")).on("MediaPlayer1").in("media").into(play_),
      ui::custom("MediaStop", mediaButton(QStyle::SP_MediaStop, "Stop")).on("MediaPlayer1").in("media").into(stop_),
      ui::custom("MediaPrevious", mediaButton(QStyle::SP_MediaSkipBackward, "Previous")).on("MediaPlayer1").in("media").into(toStart_),
      ui::custom("MediaNext", mediaButton(QStyle::SP_MediaSkipForward, "Next")).on("MediaPlayer1").in("media").into(toEnd_),
      ui::stretch("media"),
      ui::custom("PositionBar", [](QWidget* parent) { return new QSlider(Qt::Horizontal, parent); })
          .on("SoundPanel")
          .in("sound")
          .into(positionBar_),
      ui::row("labels").spacing(4).in("sound"),
      ui::label("PositionLabel").on("SoundPanel").in("labels").into(position_),
      ui::label("LengthLabel").on("SoundPanel").in("labels").into(length_),
      ui::stretch("labels"),
      ui::label("SoundNote").with(ui::kHidden).on("SoundPanel").in("sound").into(note_),
  });
  note_->setWordWrap(true);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));

  connect(save_, &QToolButton::clicked, this, &PreviewWindow::save);
  connect(previous_, &QToolButton::clicked, this, &PreviewWindow::previous);
  connect(next_, &QToolButton::clicked, this, &PreviewWindow::next);
  connect(play_, &QPushButton::clicked, this, &PreviewWindow::play);
  connect(stop_, &QPushButton::clicked, this, &PreviewWindow::stopPlaying);
  connect(toStart_, &QPushButton::clicked, this, &PreviewWindow::toStart);
  connect(toEnd_, &QPushButton::clicked, this, &PreviewWindow::toEnd);
  connect(timer_, &QTimer::timeout, this, &PreviewWindow::refresh);
  connect(positionBar_, &QSlider::sliderReleased, this, [this] {
    if (!playable_) return;
    player_->seek(static_cast<std::uint64_t>(positionBar_->value()));
    refresh();
  });
}

bool PreviewWindow::showResource(std::size_t index) {
  // The player lets go of the temp file before it is replaced (some systems cannot replace an
  // open file).
  closePlayer();
  base::Result<Shown> shown = [&] {
    ui::BusyPointer busy(ui_);  // a sound is copied into the temp folder first
    return preview_.show(index);
  }();
  failure_.clear();
  if (!shown) {
    failure_ = shown.error().message;
    return false;
  }
  if (shown->kind == Kind::Bitmap) {
    if (!showBitmap(*shown)) return false;
  } else {
    showSound(*shown);
  }
  ui::setDesignedText(this, ui::toQString(shown->caption));
  shown_ = std::move(*shown);
  if (!isVisible()) placeBesideOwner();
  show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();  // offscreen has no stacking
  return true;
}

bool PreviewWindow::showBitmap(const Shown& shown) {
  auto image = decodeBitmap(shown.bitmap);
  if (!image) {
    failure_ = image.error().message;
    return false;
  }
  closePlayer();
  soundPanel_->hide();
  picture_->setPixmap(QPixmap::fromImage(*image));
  picture_->adjustSize();
  pictureArea_->show();
  const WindowSize size = bitmapWindowSize(image->width(), image->height());
  // Never so small that the toolbar and a small bitmap are lost on the screen, never past it.
  QSize wanted = QSize(size.width, size.height).expandedTo(kUsefulBitmapWindow);
  if (const QScreen* screen = (parentWidget() ? parentWidget()->window() : this)->screen())
    wanted = wanted.boundedTo(screen->availableGeometry().size() - kFrameRoom);
  resize(wanted);
  if (isVisible()) ui::fitOnScreen(this);  // a larger bitmap stretched it: back on screen
  return true;
}

// Beside the main window, on the side with room for it, inside the screen's free area: the
// person sees both, and the preview is found where the click was.
void PreviewWindow::placeBesideOwner() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner || !owner->isVisible() || !owner->screen()) return;
  const QRect free = owner->screen()->availableGeometry();
  const QRect beside = owner->frameGeometry();
  const QSize outer = size() + kFrameRoom;
  constexpr int kGap = 8;
  int x = beside.right() + 1 + kGap;
  if (x + outer.width() > free.right() + 1) x = beside.left() - kGap - outer.width();  // the left side
  if (x < free.left()) x = free.right() + 1 - outer.width();  // no room either side: over the owner's edge
  const int y = std::clamp(beside.top(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height()));
  move(std::max(x, free.left()), y);
}

void PreviewWindow::showSound(const Shown& shown) {
  const ShownSound& sound = *shown.sound;
  lengthMs_ = sound.lengthMs.value_or(0);
  pictureArea_->hide();
  picture_->clear();
  soundPanel_->show();
  length_->setText(ui::translatedText(ui::toQString(lengthText(shown.kind, lengthMs_))));
  positionBar_->setRange(0, clampToInt(lengthMs_));
  timer_->setInterval(refreshIntervalMs(shown.kind));

  // Shown with the sound's own kind, so that the position label reads in its units.
  shown_ = shown;
  refresh();
  if (sound.render) {
    setNote(QString());
    startRender(*sound.render);
  } else if (!sound.playable.empty()) {
    openPlayable(sound.playable, ui::toQString(sound.note));
  } else {
    setNote(ui::toQString(sound.note));
  }
  fitSoundWindow();
}

void PreviewWindow::openPlayable(const std::filesystem::path& wave, QString note) {
  QString whyNot;
  if (ensurePlayer(whyNot)) {
    playable_ = player_->open(wave);
    if (!playable_) whyNot = QStringLiteral("The player cannot open %1.").arg(ui::fromPath(wave));
  }
  if (!playable_) note = note.isEmpty() ? whyNot : note + QLatin1Char(' ') + whyNot;
  for (QWidget* control : std::initializer_list<QWidget*>{play_, stop_, toStart_, toEnd_, positionBar_})
    control->setEnabled(playable_);
  setNote(note);
  refresh();
}

void PreviewWindow::fitSoundWindow() {
  if (note_->isHidden()) {
    resize(kSoundWindowSize.width, kSoundWindowSize.height);
    return;
  }
  // The note needs room of its own below the player, as many lines as it takes at this width.
  const int noteWidth = kSoundWindowSize.width - 12;  // the sound panel's side margins
  resize(kSoundWindowSize.width, kSoundWindowSize.height + note_->heightForWidth(noteWidth) + 4);
}

void PreviewWindow::startRender(PendingRender job) {
  stopRender();
  renderStop_ = false;
  renderPercent_ = -1;
  const unsigned generation = ++renderGeneration_;
  setNote(QStringLiteral("Rendering the MIDI sound…"));
  renderThread_ = QThread::create([this, generation, job = std::move(job)] {
    ui::ProgressCallbacks progress;
    progress.stop = [this] { return renderStop_.load(); };
    progress.report = [this, generation](std::uint64_t done, std::uint64_t total) {
      const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
      if (renderPercent_.exchange(percent) == percent) return;
      QMetaObject::invokeMethod(
          this,
          [this, generation, percent] {
            if (generation == renderGeneration_ && rendering())
              setNote(QStringLiteral("Rendering the MIDI sound… %1%").arg(percent));
          },
          Qt::QueuedConnection);
    };
    renderResult_ = Preview::render(job, progress);
  });
  connect(renderThread_, &QThread::finished, this, [this, generation] { renderFinished(generation); });
  renderThread_->start();
}

void PreviewWindow::stopRender() {
  ++renderGeneration_;  // whatever the old render still reports is ignored
  if (!renderThread_) return;
  renderStop_ = true;
  renderThread_->wait();
  delete renderThread_;
  renderThread_ = nullptr;
  renderResult_.reset();
}

void PreviewWindow::renderFinished(unsigned generation) {
  if (generation != renderGeneration_ || !renderThread_) return;
  renderThread_->wait();
  renderThread_->deleteLater();
  renderThread_ = nullptr;
  base::Result<std::filesystem::path> wave = std::move(*renderResult_);
  renderResult_.reset();
  if (wave)
    openPlayable(*wave, QString());
  else
    setNote(ui::toQString(wave.error().message));
  fitSoundWindow();
}

bool PreviewWindow::ensurePlayer(QString& whyNot) {
  if (player_) return true;
  player_ = makePlayer_ ? makePlayer_(whyNot) : nullptr;
  if (!player_) return false;
  connect(player_.get(), &Player::ended, this, &PreviewWindow::playerEnded);
  connect(player_.get(), &Player::failed, this, [this](const QString& why) {
    timer_->stop();
    setNote(why);
    refresh();
  });
  return true;
}

void PreviewWindow::setNote(const QString& note) {
  note_->setText(ui::translatedText(note));
  note_->setToolTip(ui::translatedText(note));
  note_->setVisible(!note.isEmpty());
}

void PreviewWindow::play() {
  if (!playable_) return;
  player_->play();
  timer_->start();
  refresh();
}

void PreviewWindow::stopPlaying() {
  if (!playable_) return;
  player_->stop();
  timer_->stop();
  refresh();
}

void PreviewWindow::toStart() {
  if (!playable_) return;
  player_->seek(0);
  refresh();
}

void PreviewWindow::toEnd() {
  if (!playable_) return;
  player_->stop();
  timer_->stop();
  player_->seek(lengthMs_);
  refresh();
}

void PreviewWindow::playerEnded() {
  timer_->stop();
  refresh();
}

void PreviewWindow::refresh() {
  if (!shown_ || shown_->kind == Kind::Bitmap) return;
  const std::uint64_t at = playable_ ? std::min(player_->position(), lengthMs_) : 0;
  position_->setText(ui::translatedText(ui::toQString(positionText(shown_->kind, at))));
  if (!positionBar_->isSliderDown()) positionBar_->setValue(clampToInt(at));
}

void PreviewWindow::step(int direction) {
  const std::optional<std::size_t> old = preview_.index();
  const std::optional<std::size_t> target = preview_.neighbour(direction);
  if (!target) return;
  const bool shown = showResource(*target);
  // A resource that failed to show still becomes the current one, so that the next step
  // goes past it.
  if (moved && preview_.index() != old) moved(old, *preview_.index());
  if (!shown) ui_.message(kPreviewFailed, {.title = "Error", .detail = failure_});
}

void PreviewWindow::save() {
  SaveReport report;
  preview_.save(ui_, &report);
  if (saved) saved(report);
}

void PreviewWindow::setToolbarEnabled(bool enabled) {
  for (QToolButton* button : {save_, previous_, next_}) button->setEnabled(enabled);
}

void PreviewWindow::closePlayer() {
  stopRender();
  timer_->stop();
  if (player_) player_->close();
  playable_ = false;
  for (QWidget* control : std::initializer_list<QWidget*>{play_, stop_, toStart_, toEnd_, positionBar_})
    control->setEnabled(false);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  closePlayer();
  event->accept();
}

}  // namespace orbisk
