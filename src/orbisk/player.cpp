#include "orbisk/player.hpp"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "ui/qt/qt_ui.hpp"

namespace orbisk {

namespace {

class MediaPlayer : public Player {
 public:
  MediaPlayer() {
    player_.setAudioOutput(&output_);
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
      if (status == QMediaPlayer::EndOfMedia) emit ended();
    });
    connect(&player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& why) { emit failed(why); });
  }
  ~MediaPlayer() override { close(); }

  bool open(const std::filesystem::path& wave) override {
    player_.stop();
    player_.setSource(QUrl::fromLocalFile(ui::fromPath(wave)));
    return player_.error() == QMediaPlayer::NoError;
  }
  void close() override {
    player_.stop();
    player_.setSource(QUrl());
  }
  void play() override {
    if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) player_.setPosition(0);
    player_.play();
  }
  void stop() override { player_.pause(); }
  void seek(std::uint64_t ms) override { player_.setPosition(static_cast<qint64>(ms)); }
  std::uint64_t position() const override { return static_cast<std::uint64_t>(std::max<qint64>(0, player_.position())); }
  bool playing() const override { return player_.playbackState() == QMediaPlayer::PlayingState; }

 private:
  QAudioOutput output_;
  QMediaPlayer player_;
};

}  // namespace

bool soundOutputAvailable() { return !QMediaDevices::audioOutputs().isEmpty(); }

PlayerFactory systemPlayerFactory() {
  return [](QString& whyNot) -> std::unique_ptr<Player> {
    if (!soundOutputAvailable()) {
      whyNot = QString::fromUtf8(kNoSoundDevice);
      return nullptr;
    }
    return std::make_unique<MediaPlayer>();
  };
}

}  // namespace orbisk
