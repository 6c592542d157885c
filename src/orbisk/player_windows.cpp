// The system's player on Windows: the wave is read into memory and played by the system's
// sound call (PlaySound), without a media framework. That call plays from the start of a
// buffer and can only be stopped, so the position is kept here: play from a position plays a
// copy of the wave that starts there, and the end is told when its length has passed.
#include <windows.h>
#include <mmsystem.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "orbisk/player.hpp"
#include "orbisk/wave_info.hpp"

namespace orbisk {

namespace {

// The sound files a resource file holds are small; this is far above any of them.
constexpr std::size_t kMaxWaveBytes = std::size_t{256} << 20;

void putU32(base::Bytes& bytes, std::size_t at, std::uint64_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

class SystemPlayer : public Player {
 public:
  SystemPlayer() {
    endTimer_.setSingleShot(true);
    connect(&endTimer_, &QTimer::timeout, this, [this] {
      halt();
      positionMs_ = info_.lengthMs;
      emit ended();
    });
  }
  ~SystemPlayer() override { close(); }

  bool open(const std::filesystem::path& wave) override {
    close();
    auto bytes = base::readFile(wave, kMaxWaveBytes);
    if (!bytes) return false;
    auto info = readWaveInfo(*bytes);
    if (!info || info->dataOffset < 8 || info->blockAlign == 0) return false;
    wave_ = std::move(*bytes);
    info_ = *info;
    return true;
  }
  void close() override {
    halt();
    wave_.clear();
    playing_.clear();
    positionMs_ = 0;
  }
  void play() override {
    if (wave_.empty()) return;
    halt();
    if (positionMs_ >= info_.lengthMs) positionMs_ = 0;
    playing_ = waveFrom(positionMs_);
    if (!PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
      playing_.clear();
      emit failed(QStringLiteral("The system cannot play this sound."));
      return;
    }
    clock_.start();
    endTimer_.start(static_cast<int>(std::min<std::uint64_t>(info_.lengthMs - positionMs_, INT_MAX)));
  }
  void stop() override {
    positionMs_ = position();
    halt();
  }
  void seek(std::uint64_t ms) override {
    const bool was = playing();
    halt();
    positionMs_ = std::min(ms, info_.lengthMs);
    if (was) play();
  }
  std::uint64_t position() const override {
    if (!playing()) return positionMs_;
    return std::min(info_.lengthMs, positionMs_ + static_cast<std::uint64_t>(clock_.elapsed()));
  }
  bool playing() const override { return endTimer_.isActive(); }

 private:
  // Stops the system's sound (before the buffer it plays is let go).
  void halt() {
    endTimer_.stop();
    PlaySoundW(nullptr, nullptr, 0);
  }

  // The wave from this position on: its chunks up to the sound data as they are, then the sound
  // data from the whole block nearest the position, with the sizes written anew.
  base::Bytes waveFrom(std::uint64_t ms) const {
    const std::uint64_t perBlock = info_.blockAlign;
    std::uint64_t skip = info_.lengthMs ? info_.dataBytes * ms / info_.lengthMs : 0;
    skip = std::min(skip - skip % perBlock, info_.dataBytes);
    const std::uint64_t left = info_.dataBytes - skip;
    base::Bytes out(wave_.begin(), wave_.begin() + static_cast<std::ptrdiff_t>(info_.dataOffset));
    const auto from = wave_.begin() + static_cast<std::ptrdiff_t>(info_.dataOffset + skip);
    out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(left));
    if (left % 2) out.push_back(0);  // chunks are padded to an even length
    putU32(out, 4, out.size() - 8);
    putU32(out, info_.dataOffset - 4, left);
    return out;
  }

  base::Bytes wave_;
  WaveInfo info_;
  base::Bytes playing_;  // what the system plays: kept until it is stopped
  std::uint64_t positionMs_ = 0;
  QElapsedTimer clock_;
  QTimer endTimer_;
};

}  // namespace

bool soundOutputAvailable() { return waveOutGetNumDevs() > 0; }

PlayerFactory systemPlayerFactory() {
  return [](QString& whyNot) -> std::unique_ptr<Player> {
    if (!soundOutputAvailable()) {
      whyNot = QString::fromUtf8(kNoSoundDevice);
      return nullptr;
    }
    return std::make_unique<SystemPlayer>();
  };
}

}  // namespace orbisk
