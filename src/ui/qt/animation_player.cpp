#include "ui/qt/animation_player.hpp"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "image/bmp_decode.hpp"
#include "ui/qt/language_switch.hpp"

namespace ui {

namespace {

constexpr int kPad = 10;              // room around each frame
constexpr int kSmallestBox = 32;      // the box of an animation with no picture at all
const QColor kFaultColour(205, 25, 25);

QString text(const char* designed) { return translatedText(designed); }

}  // namespace

QImage indexedImage(int width, int height, std::span<const std::uint8_t> indices, const base::Palette& palette,
                    const std::array<std::uint8_t, 256>* remap) {
  if (width <= 0 || height <= 0 || indices.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
  std::array<QRgb, 256> colours{};
  for (std::size_t i = 0; i < 256; ++i) {
    const std::uint8_t index = remap ? (*remap)[i] : static_cast<std::uint8_t>(i);
    const base::Rgb& rgb = palette[index];
    colours[i] = (i == 0 || index == 0) ? qRgba(0, 0, 0, 0) : qRgb(rgb.red, rgb.green, rgb.blue);
  }
  QImage picture(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    const std::uint8_t* row = indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) line[x] = colours[row[x]];
  }
  return picture;
}

QImage pictureImage(const image::Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  QImage out(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel = picture.at(x, y);
      line[x] = picture.alpha ? pixel : (pixel | 0xFF000000u);
    }
  }
  return out;
}

// The drawing: the frames on the background, each marked when it has a fault.
class AnimationStage : public QWidget {
 public:
  explicit AnimationStage(AnimationPlayer& player) : QWidget(nullptr), player_(player) {
    setObjectName(QStringLiteral("picPlayer"));
    setMouseTracking(true);
  }

  // Where animation a's box (caption and frame) lies.
  QRect cellRect(int a) const {
    const QSize content = player_.contentSize();
    const QPoint origin(std::max(0, (width() - content.width()) / 2), std::max(0, (height() - content.height()) / 2));
    const QSize cell = player_.cellSize(player_.grid_, player_.zoom());
    if (!player_.grid_) return QRect(origin, cell);
    const int columns = std::min<int>(AnimationPlayer::kGridColumns, static_cast<int>(player_.animations_.size()));
    return QRect(origin + QPoint(a % columns * cell.width(), a / columns * cell.height()), cell);
  }

  // Where the frame shown of animation a is drawn: centred in the room of the largest frame.
  QRect frameRect(int a) const {
    const QRect cell = cellRect(a);
    const int zoom = player_.zoom();
    const int caption = player_.grid_ ? captionHeight() : 0;
    const QSize largest = cell.size() - QSize(2 * kPad, 2 * kPad + caption);
    const PlayerFrame* frame = player_.shownFrame(a);
    QSize size = largest;
    if (frame && !frame->picture.isNull()) size = frame->picture.size() * zoom;
    return QRect(cell.left() + kPad + (largest.width() - size.width()) / 2,
                 cell.top() + caption + kPad + (largest.height() - size.height()) / 2, size.width(), size.height());
  }

  int captionHeight() const { return fontMetrics().height() + 2; }

  int animationAt(const QPoint& point) const {
    const int count = static_cast<int>(player_.animations_.size());
    if (!player_.grid_) return count > 0 && cellRect(0).contains(point) ? player_.current_ : -1;
    for (int a = 0; a < count; ++a)
      if (cellRect(a).contains(point)) return a;
    return -1;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), player_.background_);
    if (player_.animations_.empty()) {
      painter.setPen(player_.background_.lightness() > 128 ? QColor(40, 40, 40) : QColor(230, 230, 230));
      painter.drawText(rect().adjusted(kPad, kPad, -kPad, -kPad), Qt::AlignCenter | Qt::TextWordWrap, player_.emptyText_);
      return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // whole pixels, nearest neighbour
    const QColor ink = player_.background_.lightness() > 128 ? QColor(30, 30, 30) : QColor(235, 235, 235);
    const QColor faint = player_.background_.lightness() > 128 ? player_.background_.darker(118) : player_.background_.lighter(140);
    const int count = static_cast<int>(player_.animations_.size());
    for (int a = 0; a < count; ++a) {
      if (!player_.grid_ && a != player_.current_) continue;
      const int shownA = player_.grid_ ? a : player_.current_;
      const QRect cell = cellRect(player_.grid_ ? a : 0);
      if (player_.grid_) {
        painter.setPen(ink);
        painter.drawText(QRect(cell.left(), cell.top() + kPad / 2, cell.width(), captionHeight()), Qt::AlignCenter,
                         text("Animation %1").arg(a));
      }
      const QRect box = frameRect(shownA);
      const PlayerFrame* frame = player_.shownFrame(shownA);
      painter.setPen(QPen(faint, 1));
      painter.drawRect(box.adjusted(-1, -1, 0, 0));  // the frame's edge, just outside it
      if (frame && !frame->picture.isNull()) painter.drawImage(box, frame->picture);
      if (frame && !frame->problem.isEmpty()) {
        painter.setPen(QPen(kFaultColour, 2));
        painter.drawRect(box.adjusted(-2, -2, 1, 1));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
      }
    }
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(event);
      const int a = animationAt(help->pos());
      const PlayerFrame* frame = a >= 0 ? player_.shownFrame(a) : nullptr;
      if (!frame) {
        QToolTip::hideText();
        event->ignore();
        return true;
      }
      QString tip = text("Animation %1, frame %2").arg(a).arg(frame->name);
      if (!frame->problem.isEmpty()) tip += QStringLiteral("\n") + frame->problem;
      QToolTip::showText(help->globalPos(), tip, this);
      return true;
    }
    return QWidget::event(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    // A click on an animation of the grid shows it alone, where its frames can be stepped.
    if (!player_.grid_ || event->button() != Qt::LeftButton) return;
    const int a = animationAt(event->position().toPoint());
    if (a < 0) return;
    player_.setCurrentAnimation(a);
    player_.setGrid(false);
  }

 private:
  AnimationPlayer& player_;
};

AnimationPlayer::AnimationPlayer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AnimationPlayer"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  auto* controls = new QHBoxLayout;
  column->addLayout(controls);

  auto* animationCaption = new QLabel(this);
  animationCaption->setObjectName(QStringLiteral("lblAnimation"));
  setDesignedText(animationCaption, QStringLiteral("Animation"));
  animation_ = new QComboBox(this);
  animation_->setObjectName(QStringLiteral("cboAnimation"));
  animation_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  animationCaption->setBuddy(animation_);
  all_ = new QCheckBox(this);
  all_->setObjectName(QStringLiteral("chkAllAnimations"));
  setDesignedText(all_, QStringLiteral("All at once"));
  setDesignedToolTip(all_, QStringLiteral("Every animation side by side; click one to see it alone"));
  play_ = new QPushButton(this);
  play_->setObjectName(QStringLiteral("cmdPlay"));
  play_->setAutoDefault(false);
  previous_ = new QPushButton(QStringLiteral("◀"), this);
  previous_->setObjectName(QStringLiteral("cmdPreviousFrame"));
  setDesignedToolTip(previous_, QStringLiteral("Previous frame"));
  next_ = new QPushButton(QStringLiteral("▶"), this);
  next_->setObjectName(QStringLiteral("cmdNextFrame"));
  setDesignedToolTip(next_, QStringLiteral("Next frame"));
  for (QPushButton* button : {previous_, next_}) {
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("◀")) + 24);
  }
  auto* speedCaption = new QLabel(this);
  speedCaption->setObjectName(QStringLiteral("lblSpeed"));
  setDesignedText(speedCaption, QStringLiteral("Speed"));
  speed_ = new QSlider(Qt::Horizontal, this);
  speed_->setObjectName(QStringLiteral("sldSpeed"));
  speed_->setRange(1, kMaxSpeed);
  speed_->setValue(kDefaultSpeed);
  speed_->setFixedWidth(110);
  speedCaption->setBuddy(speed_);
  speedText_ = new QLabel(this);
  speedText_->setObjectName(QStringLiteral("lblSpeedValue"));
  speedText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("30 frames a second")) + 4);
  auto* zoomCaption = new QLabel(this);
  zoomCaption->setObjectName(QStringLiteral("lblZoom"));
  setDesignedText(zoomCaption, QStringLiteral("Zoom"));
  zoomBox_ = new QSpinBox(this);
  zoomBox_->setObjectName(QStringLiteral("spnZoom"));
  zoomBox_->setRange(1, kMaxZoom);
  zoomBox_->setSuffix(QStringLiteral(" ×"));
  zoomCaption->setBuddy(zoomBox_);
  backgroundButton_ = new QPushButton(this);
  backgroundButton_->setObjectName(QStringLiteral("cmdBackground"));
  backgroundButton_->setAutoDefault(false);
  setDesignedText(backgroundButton_, QStringLiteral("Background…"));
  setDesignedToolTip(backgroundButton_, QStringLiteral("The colour behind the fish, seen where a frame is transparent (index 0)"));

  controls->addWidget(animationCaption);
  controls->addWidget(animation_);
  controls->addWidget(all_);
  controls->addSpacing(12);
  controls->addWidget(play_);
  controls->addWidget(previous_);
  controls->addWidget(next_);
  controls->addSpacing(12);
  controls->addWidget(speedCaption);
  controls->addWidget(speed_);
  controls->addWidget(speedText_);
  controls->addWidget(zoomCaption);
  controls->addWidget(zoomBox_);
  controls->addSpacing(12);
  controls->addWidget(backgroundButton_);
  controls->addStretch(1);

  stage_ = new AnimationStage(*this);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scrPlayer"));
  scroll_->setWidget(stage_);
  scroll_->setWidgetResizable(true);
  scroll_->setAlignment(Qt::AlignCenter);
  column->addWidget(scroll_, 1);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblPlayerStatus"));
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long reason is cut; the tooltip holds it whole
  status_->setTextFormat(Qt::PlainText);
  column->addWidget(status_);

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &AnimationPlayer::step);
  connect(animation_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) setCurrentAnimation(index);
  });
  connect(all_, &QCheckBox::toggled, this, &AnimationPlayer::setGrid);
  connect(play_, &QPushButton::clicked, this, [this] { setPlaying(!playing()); });
  connect(previous_, &QPushButton::clicked, this, [this] {
    setPlaying(false);
    setFrame(step_ - 1);
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    setPlaying(false);
    setFrame(step_ + 1);
  });
  connect(speed_, &QSlider::valueChanged, this, &AnimationPlayer::setSpeed);
  connect(zoomBox_, &QSpinBox::valueChanged, this, &AnimationPlayer::setZoom);
  connect(backgroundButton_, &QPushButton::clicked, this, &AnimationPlayer::chooseBackground);

  setSpeed(kDefaultSpeed);
  setBackground(background_);
  timer_->start();
  showState();
  layOutStage();
}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::setAnimations(std::vector<PlayerAnimation> animations) {
  animations_ = std::move(animations);
  current_ = 0;
  step_ = 0;
  singleZoom_ = fittingZoom(false);
  gridZoom_ = fittingZoom(true);
  {
    const QSignalBlocker blocker(animation_);
    animation_->clear();
    for (std::size_t a = 0; a < animations_.size(); ++a) {
      const auto& frames = animations_[a].frames;
      const int count = static_cast<int>(frames.size());
      if (count == 0)
        animation_->addItem(text("Animation %1").arg(a));
      else
        animation_->addItem(text("%1: frames %2 to %3").arg(a).arg(frames.front().name, frames.back().name));
    }
  }
  animation_->setMinimumWidth(animation_->sizeHint().width());  // never squeezed to a few letters
  showState();
  layOutStage();
}

void AnimationPlayer::setEmptyText(const QString& emptyText) {
  emptyText_ = emptyText;
  stage_->update();
}

void AnimationPlayer::setRoom(QSize room) {
  room_ = room;
  singleZoom_ = fittingZoom(false);
  gridZoom_ = fittingZoom(true);
  showState();
  layOutStage();
}

void AnimationPlayer::setCurrentAnimation(int index) {
  if (index < 0 || index >= static_cast<int>(animations_.size())) return;
  if (index != current_) step_ = 0;
  current_ = index;
  showState();
  layOutStage();
}

void AnimationPlayer::setGrid(bool all) {
  grid_ = all;
  showState();
  layOutStage();
}

void AnimationPlayer::setPlaying(bool playing) {
  if (playing) timer_->start();
  else timer_->stop();
  showState();
}

bool AnimationPlayer::playing() const { return timer_->isActive(); }

void AnimationPlayer::setFrame(int k) {
  int length = 1;
  if (!grid_ && current_ < static_cast<int>(animations_.size()))
    length = std::max<int>(1, static_cast<int>(animations_[current_].frames.size()));
  else
    for (const auto& animation : animations_) length = std::max<int>(length, static_cast<int>(animation.frames.size()));
  step_ = ((k % length) + length) % length;
  showState();
  stage_->update();
}

void AnimationPlayer::step() {
  if (animations_.empty()) return;
  setFrame(step_ + 1);
}

void AnimationPlayer::setSpeed(int framesPerSecond) {
  framesPerSecond = std::clamp(framesPerSecond, 1, kMaxSpeed);
  if (speed_->value() != framesPerSecond) speed_->setValue(framesPerSecond);
  timer_->setInterval(1000 / framesPerSecond);
  speedText_->setText(framesPerSecond == 1 ? text("1 frame a second") : text("%1 frames a second").arg(framesPerSecond));
}

int AnimationPlayer::speed() const { return speed_->value(); }

void AnimationPlayer::setZoom(int zoom) {
  zoom = std::clamp(zoom, 1, kMaxZoom);
  (grid_ ? gridZoom_ : singleZoom_) = zoom;
  showState();
  layOutStage();
}

void AnimationPlayer::setBackground(const QColor& colour) {
  if (!colour.isValid()) return;
  background_ = colour;
  QPixmap swatch(14, 14);
  swatch.fill(colour);
  QPainter painter(&swatch);
  painter.setPen(QColor(90, 90, 90));
  painter.drawRect(0, 0, 13, 13);
  painter.end();
  backgroundButton_->setIcon(QIcon(swatch));
  stage_->update();
}

void AnimationPlayer::chooseBackground() {
  const QColor chosen = QColorDialog::getColor(background_, this, text("Background"));
  if (chosen.isValid()) setBackground(chosen);
}

QWidget* AnimationPlayer::stage() const { return stage_; }

QRect AnimationPlayer::frameRect(int animation) const { return stage_->frameRect(animation); }

QString AnimationPlayer::statusText() const { return status_->text(); }

const PlayerFrame* AnimationPlayer::shownFrame(int animation) const {
  if (animation < 0 || animation >= static_cast<int>(animations_.size())) return nullptr;
  const auto& frames = animations_[animation].frames;
  if (frames.empty()) return nullptr;
  return &frames[static_cast<std::size_t>(step_) % frames.size()];
}

int AnimationPlayer::fittingZoom(bool all) const {
  // Four times at most: a bigger fish is for the zoom box to ask for.
  for (int zoom = 4; zoom > 1; --zoom) {
    const QSize cell = cellSize(all, zoom);
    const int count = std::max<int>(1, static_cast<int>(animations_.size()));
    const int columns = all ? std::min(kGridColumns, count) : 1;
    const int rows = all ? (count + columns - 1) / columns : 1;
    if (cell.width() * columns <= room_.width() && cell.height() * rows <= room_.height()) return zoom;
  }
  return 1;
}

QSize AnimationPlayer::cellSize(bool all, int zoom) const {
  int width = 0, height = 0;
  for (std::size_t a = 0; a < animations_.size(); ++a) {
    if (!all && static_cast<int>(a) != current_) continue;
    for (const auto& frame : animations_[a].frames) {
      width = std::max(width, frame.picture.width());
      height = std::max(height, frame.picture.height());
    }
  }
  if (width == 0 || height == 0) width = height = kSmallestBox;
  return QSize(width * zoom + 2 * kPad, height * zoom + 2 * kPad + (all ? stage_->captionHeight() : 0));
}

QSize AnimationPlayer::contentSize() const { return contentSize(grid_); }

QSize AnimationPlayer::contentSize(bool all) const {
  if (animations_.empty()) return QSize(320, 160);
  const QSize cell = cellSize(all, all ? gridZoom_ : singleZoom_);
  if (!all) return cell;
  const int count = static_cast<int>(animations_.size());
  const int columns = std::min(kGridColumns, count);
  const int rows = (count + columns - 1) / columns;
  return QSize(cell.width() * columns, cell.height() * rows);
}

void AnimationPlayer::layOutStage() {
  stage_->setMinimumSize(contentSize());
  // Room for either mode, so that switching does not resize the window.
  const QSize content = contentSize(false).expandedTo(contentSize(true));
  const int frame = 2 * scroll_->frameWidth();
  scroll_->setMinimumSize(std::min(content.width(), room_.width()) + frame, std::min(content.height(), room_.height()) + frame);
  stage_->update();
}

void AnimationPlayer::showState() {
  const bool any = !animations_.empty();
  {
    const QSignalBlocker blocker(animation_);
    animation_->setCurrentIndex(any ? current_ : -1);
  }
  {
    const QSignalBlocker blocker(all_);
    all_->setChecked(grid_);
  }
  {
    const QSignalBlocker blocker(zoomBox_);
    zoomBox_->setValue(zoom());
  }
  for (QWidget* control : std::initializer_list<QWidget*>{animation_, all_, play_, previous_, next_, speed_, zoomBox_})
    control->setEnabled(any);
  animation_->setEnabled(any && !grid_);
  setDesignedText(play_, playing() ? QStringLiteral("Pause") : QStringLiteral("Play"));

  QString line;
  bool fault = false;
  if (any && !grid_) {
    if (const PlayerFrame* frame = shownFrame(current_)) {
      const int count = static_cast<int>(animations_[current_].frames.size());
      if (!frame->problem.isEmpty()) {
        line = text("Frame %1: %2").arg(frame->name, frame->problem);
        fault = true;
      } else {
        line = text("Frame %1 (%2 of %3), %4 × %5 pixels")
                   .arg(frame->name)
                   .arg(step_ + 1)
                   .arg(count)
                   .arg(frame->picture.width())
                   .arg(frame->picture.height());
      }
    }
  } else if (any) {
    int marked = 0, frames = 0;
    const PlayerFrame* first = nullptr;
    for (const auto& animation : animations_)
      for (const auto& frame : animation.frames) {
        ++frames;
        if (frame.problem.isEmpty()) continue;
        ++marked;
        if (!first) first = &frame;
      }
    if (first) {
      line = text("%1 of %2 frames are marked. The first, %3: %4").arg(marked).arg(frames).arg(first->name, first->problem);
      fault = true;
    } else {
      line = text("Step %1 of every animation").arg(step_ + 1);
    }
  }
  if (status_->text() != line) {
    status_->setText(line);
    status_->setToolTip(fault ? line : QString());
    QPalette colours = status_->palette();
    colours.setColor(QPalette::WindowText, fault ? kFaultColour : palette().color(QPalette::WindowText));
    status_->setPalette(colours);
  }
}

void AnimationPlayer::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    // The texts made here from patterns are rendered anew.
    auto kept = std::move(animations_);
    const int current = current_, step = step_;
    const bool all = grid_;
    const int single = singleZoom_, grid = gridZoom_;
    setAnimations(std::move(kept));
    current_ = current, step_ = step, grid_ = all, singleZoom_ = single, gridZoom_ = grid;
    setSpeed(speed());
    showState();
    layOutStage();
  }
}

}  // namespace ui
