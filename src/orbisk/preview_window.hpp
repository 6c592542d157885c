#pragma once
// The preview window (TBMPVIEW): made with the program and reused for every resource shown.
// A toolbar with Save and previous/next; for a bitmap, the picture; for a sound, the player
// with Play, Stop, Previous and Next, the position bar, and the position and length labels,
// refreshed by a timer while the sound plays. The window never blocks the main window; a MIDI
// sound is rendered for the player on a worker thread while the window already shows its length.
#include <QWidget>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "orbisk/player.hpp"
#include "orbisk/preview.hpp"

class QLabel;
class QScrollArea;
class QSlider;
class QTimer;
class QToolButton;
class QPushButton;
class QThread;

namespace orbisk {

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // Messages (the failed preview, the preview's Save) go through ui.
  PreviewWindow(Preview& preview, ui::Ui& ui, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // The player comes from this factory, made at the first sound shown.
  void setPlayerFactory(PlayerFactory factory);

  // Show resource: loads it, shows the window, true; false when it cannot be shown (the
  // caller says so; failure() says why).
  bool showResource(std::size_t index);
  const std::string& failure() const { return failure_; }
  // After previous/next moved to another resource: the old index (if any) and the new one.
  std::function<void(std::optional<std::size_t>, std::size_t)> moved;
  // After the toolbar's Save: what it wrote.
  std::function<void(const SaveReport&)> saved;

  // The toolbar: previous/next with wrap-around (nothing with one resource), and Save.
  void previous() { step(-1); }
  void next() { step(+1); }
  void save();
  // The player's buttons.
  void play();
  void stopPlaying();
  void toStart();
  void toEnd();
  // The position label and bar from the player's position.
  void refresh();
  // What the window may not do while the main window is busy (moving, saving).
  void setToolbarEnabled(bool enabled);

  // For tests and screenshots.
  const std::optional<Shown>& shown() const { return shown_; }
  Player* player() const { return player_.get(); }
  bool rendering() const { return renderThread_ != nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void makeControls();
  void step(int direction);
  bool showBitmap(const Shown& shown);
  void showSound(const Shown& shown);
  bool ensurePlayer(QString& whyNot);
  void playerEnded();
  void setNote(const QString& note);
  void fitSoundWindow();
  void placeBesideOwner();
  void openPlayable(const std::filesystem::path& wave, QString note);
  void closePlayer();
  void startRender(PendingRender job);
  void stopRender();
  void renderFinished(unsigned generation);

  Preview& preview_;
  ui::Ui& ui_;
  PlayerFactory makePlayer_;
  std::unique_ptr<Player> player_;
  std::optional<Shown> shown_;
  std::uint64_t lengthMs_ = 0;
  bool playable_ = false;
  std::string failure_;

  QThread* renderThread_ = nullptr;
  std::atomic<bool> renderStop_{false};
  std::atomic<int> renderPercent_{-1};
  std::optional<base::Result<std::filesystem::path>> renderResult_;  // written by the worker
  unsigned renderGeneration_ = 0;  // a finished render of an older generation is ignored

  QToolButton* save_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QScrollArea* pictureArea_ = nullptr;
  QLabel* picture_ = nullptr;
  QWidget* soundPanel_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* toStart_ = nullptr;
  QPushButton* toEnd_ = nullptr;
  QSlider* positionBar_ = nullptr;
  QLabel* position_ = nullptr;
  QLabel* length_ = nullptr;
  QLabel* note_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace orbisk
