#pragma once
// The sound player the preview drives: it opens a wave file, plays, stops where it is, moves
// to a position, tells the position, and says when the sound has played to its end. The
// system's player goes through Qt Multimedia (on Windows, through the system's own sound
// call); without a sound device there is none, and the factory says why. Tests hand the preview a player of their own.
#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

namespace orbisk {

class Player : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // Opens the wave file (closing any other); false when it cannot.
  virtual bool open(const std::filesystem::path& wave) = 0;
  virtual void close() = 0;
  // Plays from the position; at the end, from the start again.
  virtual void play() = 0;
  // Stops where it is.
  virtual void stop() = 0;
  virtual void seek(std::uint64_t ms) = 0;
  virtual std::uint64_t position() const = 0;
  virtual bool playing() const = 0;

 signals:
  void ended();                      // the sound played to its end
  void failed(const QString& why);  // the sound cannot be played after all
};

// Makes a player, or returns none and sets whyNot.
using PlayerFactory = std::function<std::unique_ptr<Player>(QString& whyNot)>;

// The system's player: none when the system lists no sound output (a server, CI), without
// touching the media backend, which must not be started without a device.
PlayerFactory systemPlayerFactory();
// Whether the system lists a sound output.
bool soundOutputAvailable();

inline constexpr const char* kNoSoundDevice = "No sound device was found: the sound cannot be played here.";

}  // namespace orbisk
