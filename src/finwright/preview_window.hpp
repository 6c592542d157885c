#pragma once
// finwright's Preview: the image folder's frames played as the fish file will hold them
// (18 animations of 8 frames), before any build, with every frame Build would refuse marked
// with Build's own reason. It stays open beside the main window; Reload reads the folder again
// after the frames were changed.
#include <QWidget>
#include <filesystem>

class QLabel;

namespace ui {
class AnimationPlayer;
}

namespace finwright {

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewWindow(QWidget* parent = nullptr);

  // Reads the folder's frames and plays them.
  void showFolder(const std::filesystem::path& folder);
  void reload();

  ui::AnimationPlayer* player() const { return player_; }
  // How many frames Build would refuse, in words.
  QString summary() const;

 private:
  std::filesystem::path folder_;
  QLabel* summary_ = nullptr;
  ui::AnimationPlayer* player_ = nullptr;
};

}  // namespace finwright
