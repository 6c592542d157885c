#include "finwright/preview_window.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "finwright/frame_check.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/system_palette.hpp"
#include "image/bmp_decode.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/qt_ui.hpp"

namespace finwright {

namespace {

constexpr std::size_t kFramesPerAnimation = 8;

// What a frame looks like: the indices Build encodes through the game's palette, or for a
// refused frame whatever its bitmap shows.
QImage framePicture(const CheckedFrame& frame) {
  if (!frame.indices.empty()) return ui::indexedImage(frame.width, frame.height, frame.indices, fishfile::systemPalette());
  if (frame.bitmap.empty()) return {};
  auto picture = image::decodeBmp(frame.bitmap);
  return picture ? ui::pictureImage(*picture) : QImage();
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmPreview"));
  ui::setDesignedText(this, QStringLiteral("Preview of the frames"));
  auto* column = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  column->addLayout(top);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblPreviewSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  top->addWidget(summary_, 1);
  auto* reload = new QPushButton(this);
  reload->setObjectName(QStringLiteral("cmdReload"));
  ui::setDesignedText(reload, QStringLiteral("Reload"));
  ui::setDesignedToolTip(reload, QStringLiteral("Read the frames again, after they were changed"));
  reload->setAutoDefault(false);
  top->addWidget(reload, 0, Qt::AlignTop);
  player_ = new ui::AnimationPlayer(this);
  player_->setGrid(true);  // the whole fish at a glance, every refused frame in sight
  player_->setRoom(QSize(1280, 520));  // a window of its own: the grid at twice the size on a 1366 × 768 screen
  column->addWidget(player_, 1);
  connect(reload, &QPushButton::clicked, this, &PreviewWindow::reload);
}

void PreviewWindow::showFolder(const std::filesystem::path& folder) {
  folder_ = folder;
  reload();
}

void PreviewWindow::reload() {
  const std::vector<CheckedFrame> frames = checkFrames(folder_);
  std::vector<ui::PlayerAnimation> animations(frames.size() / kFramesPerAnimation);
  std::size_t refused = 0;
  for (std::size_t n = 0; n < frames.size(); ++n) {
    const CheckedFrame& frame = frames[n];
    refused += !frame.problem.empty();
    animations[n / kFramesPerAnimation].frames.push_back(
        {framePicture(frame), ui::toQString(frame.name), ui::toQString(frame.problem)});
  }
  const bool playing = player_->playing();
  player_->setAnimations(std::move(animations));
  player_->setPlaying(playing);
  const QString folder = ui::fromPath(folder_);
  if (refused == 0)
    summary_->setText(ui::translatedText("All %1 frames in %2 can be built.").arg(QString::number(kFrames), folder));
  else if (refused == 1)
    summary_->setText(ui::translatedText("1 of the %1 frames in %2 would be refused by Build: it is marked with a red cross.")
                          .arg(QString::number(kFrames), folder));
  else
    summary_->setText(ui::translatedText("%1 of the %2 frames in %3 would be refused by Build: they are marked with a red cross.")
                          .arg(QString::number(refused), QString::number(kFrames), folder));
}

QString PreviewWindow::summary() const { return summary_->text(); }

}  // namespace finwright
