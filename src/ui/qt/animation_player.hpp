#pragma once
// The player of a fish's animations, one widget for every window that shows frames (the
// builder's preview of a frames folder, the cutter's view of a fish file, the colour changer's
// preview): one animation at a time or all of them side by side, playing or stepped frame by
// frame, at a chosen speed and zoom, on a background colour the person picks. A frame with a
// fault is drawn with a red outline and a red cross; the reason is its tooltip and shows in
// the line under the player.
//
// The frames come as Qt pictures; indexedImage makes one of palette indices, so that the
// transparent index and a colour table are applied in this one place.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/bmp.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QTimer;

namespace image {
struct Picture;
}

namespace ui {

// One frame as the player shows it: the picture (alpha 0 where transparent; null when there
// is nothing to show), its name ("0012") and, when the frame has a fault, why.
struct PlayerFrame {
  QImage picture;
  QString name;
  QString problem;
};

struct PlayerAnimation {
  std::vector<PlayerFrame> frames;
};

// An indexed picture (indices top row first) as an ARGB32 picture: each index through `remap`
// when one is given, then through the palette; index 0, before or after the remap, is
// transparent.
QImage indexedImage(int width, int height, std::span<const std::uint8_t> indices, const base::Palette& palette,
                    const std::array<std::uint8_t, 256>* remap = nullptr);
// A decoded bitmap as an ARGB32 picture.
QImage pictureImage(const image::Picture& picture);

class AnimationStage;

class AnimationPlayer : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultSpeed = 8;  // frames a second
  static constexpr int kMaxSpeed = 30;
  static constexpr int kMaxZoom = 8;
  static constexpr int kGridColumns = 6;
  // Water, light enough for dark fish and dark enough for pale ones.
  static QColor defaultBackground() { return QColor(190, 222, 236); }

  explicit AnimationPlayer(QWidget* parent = nullptr);
  ~AnimationPlayer() override;

  // The animations to play; the first is chosen, the zooms are fitted to the room, and play
  // goes on as it was.
  void setAnimations(std::vector<PlayerAnimation> animations);
  const std::vector<PlayerAnimation>& animations() const { return animations_; }
  // What the stage says when there is nothing to play.
  void setEmptyText(const QString& text);
  // The stage's largest size before it scrolls (the default suits a 1366 × 768 screen).
  void setRoom(QSize room);

  void setCurrentAnimation(int index);
  int currentAnimation() const { return current_; }
  // All animations side by side, each at the same step.
  void setGrid(bool all);
  bool grid() const { return grid_; }
  void setPlaying(bool playing);
  bool playing() const;
  // The step shown: frame k of the current animation (in the grid, k modulo each one's length).
  void setFrame(int k);
  int frame() const { return step_; }
  void setSpeed(int framesPerSecond);
  int speed() const;
  // The zoom of the mode shown (one at a time, or the grid), a whole number from 1.
  void setZoom(int zoom);
  int zoom() const { return grid_ ? gridZoom_ : singleZoom_; }
  void setBackground(const QColor& colour);
  QColor background() const { return background_; }

  // The drawing area, and where animation a's frame is drawn in it now (for tests: a frame's
  // pixel (x, y) fills the zoom × zoom box at the rectangle's corner + zoom · (x, y)).
  QWidget* stage() const;
  QRect frameRect(int animation) const;
  // The line under the player.
  QString statusText() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  friend class AnimationStage;
  void step();
  void chooseBackground();
  void showState();
  void layOutStage();
  int fittingZoom(bool all) const;
  QSize cellSize(bool all, int zoom) const;     // one animation's box, frame and caption
  QSize contentSize() const;  // of the mode shown
  QSize contentSize(bool all) const;
  const PlayerFrame* shownFrame(int animation) const;

  std::vector<PlayerAnimation> animations_;
  int current_ = 0;
  int step_ = 0;
  bool grid_ = false;
  int singleZoom_ = 1, gridZoom_ = 1;
  QColor background_ = defaultBackground();
  QSize room_{1100, 420};
  QString emptyText_;

  QComboBox* animation_ = nullptr;
  QCheckBox* all_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QSlider* speed_ = nullptr;
  QLabel* speedText_ = nullptr;
  QSpinBox* zoomBox_ = nullptr;
  QPushButton* backgroundButton_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  AnimationStage* stage_ = nullptr;
  QLabel* status_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace ui
