#include "orbisk/midi_info.hpp"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "base/reader.hpp"

namespace orbisk {

namespace {

struct TempoChange {
  std::uint64_t tick;
  std::uint32_t usPerQuarter;
  std::size_t order;  // of reading: keeps changes at one tick in the order of the tracks
};

// Reads one track's events from track[pos, end); returns the tick of its last whole event.
class TrackWalk {
 public:
  TrackWalk(base::ByteSpan track, std::vector<TempoChange>& tempos) : data_(track), tempos_(tempos) {}

  std::uint64_t run() {
    std::uint8_t running = 0;
    while (pos_ < data_.size()) {
      auto delta = quantity();
      if (!delta || pos_ >= data_.size()) break;
      tick_ += *delta;
      const std::uint8_t status = data_[pos_];
      if (status == 0xFF) {
        ++pos_;
        if (pos_ >= data_.size()) break;
        const std::uint8_t type = data_[pos_++];
        auto length = quantity();
        if (!length || *length > data_.size() - pos_) break;
        if (type == 0x51 && *length >= 3) {
          const std::uint8_t* p = data_.data() + pos_;
          tempos_.push_back({tick_, std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2], tempos_.size()});
        }
        pos_ += *length;
        lastTick_ = tick_;
        if (type == 0x2F) break;  // end of track
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        ++pos_;
        auto length = quantity();
        if (!length || *length > data_.size() - pos_) break;
        pos_ += *length;
        running = 0;  // a system-exclusive event ends the running status
        lastTick_ = tick_;
        continue;
      }
      std::uint8_t channelStatus = running;
      if (status & 0x80) {
        if (status >= 0xF0) break;  // no other system message belongs in a file
        channelStatus = status;
        running = status;
        ++pos_;
      } else if (running == 0) {
        break;
      }
      const std::size_t dataBytes = (channelStatus & 0xF0) == 0xC0 || (channelStatus & 0xF0) == 0xD0 ? 1 : 2;
      if (dataBytes > data_.size() - pos_) break;
      pos_ += dataBytes;
      lastTick_ = tick_;
    }
    return lastTick_;
  }

 private:
  // A variable-length quantity: at most four bytes, seven bits each.
  std::optional<std::uint32_t> quantity() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4 && pos_ < data_.size(); ++i) {
      const std::uint8_t b = data_[pos_++];
      value = value << 7 | (b & 0x7Fu);
      if (!(b & 0x80)) return value;
    }
    return std::nullopt;
  }

  base::ByteSpan data_;
  std::vector<TempoChange>& tempos_;
  std::size_t pos_ = 0;
  std::uint64_t tick_ = 0;
  std::uint64_t lastTick_ = 0;
};

std::uint64_t saturatedMicroseconds(double us) {
  constexpr double kMax = 9.0e18;  // below 2^63
  return us >= kMax ? static_cast<std::uint64_t>(kMax) : static_cast<std::uint64_t>(us);
}

}  // namespace

base::Result<MidiInfo> readMidiInfo(base::ByteSpan midi) {
  base::Reader header(midi);
  const auto name = header.bytes(4);
  const auto headerSize = header.u32be();
  const auto format = header.u16be();
  const auto trackCount = header.u16be();
  const auto division = header.u16be();
  if (!name || !division || std::memcmp(name->data(), "MThd", 4) != 0) return base::fail("The sound is no MIDI file.");
  MidiInfo info;
  const std::uint64_t headerLength = *headerSize;
  info.format = *format;
  info.trackCount = *trackCount;
  info.division = *division;
  if (headerLength < 6) return base::fail("The MIDI file's header is too short.");
  double usPerTick = 0;  // for SMPTE time; quarter-note time goes through the tempo changes
  if (info.division & 0x8000) {
    const int frames = 256 - (info.division >> 8);
    const int ticksPerFrame = info.division & 0xFF;
    if (ticksPerFrame == 0) return base::fail("The MIDI file's time division is 0.");
    usPerTick = 1e6 / ((frames == 29 ? 29.97 : frames) * ticksPerFrame);
  } else if (info.division == 0) {
    return base::fail("The MIDI file's time division is 0.");
  }

  std::vector<TempoChange> tempos;
  std::uint64_t at = 8 + headerLength;
  while (info.tracksRead < info.trackCount && at <= midi.size() && midi.size() - at >= 8) {
    const auto chunkLength = base::readU32Be(midi, static_cast<std::size_t>(at + 4));
    if (!chunkLength) break;
    const std::uint64_t length = *chunkLength;
    const std::uint64_t body = at + 8;
    const std::uint64_t present = std::min<std::uint64_t>(length, midi.size() - body);
    if (std::memcmp(midi.data() + at, "MTrk", 4) == 0) {
      ++info.tracksRead;
      TrackWalk walk(midi.subspan(static_cast<std::size_t>(body), static_cast<std::size_t>(present)), tempos);
      info.endTick = std::max(info.endTick, walk.run());
    }
    at = body + length;
  }
  info.tempoChanges = static_cast<unsigned>(std::min<std::size_t>(tempos.size(), 0xFFFFFFFFu));

  if (usPerTick > 0) {
    info.lengthUs = saturatedMicroseconds(static_cast<double>(info.endTick) * usPerTick);
    return info;
  }
  // Tempo changes of all tracks apply to all of them, in the order of their ticks.
  std::sort(tempos.begin(), tempos.end(), [](const TempoChange& a, const TempoChange& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  double us = 0;
  std::uint64_t tick = 0;
  double tempo = 500000;  // 120 beats a minute until the first change
  for (const TempoChange& change : tempos) {
    if (change.tick >= info.endTick) break;
    us += static_cast<double>(change.tick - tick) * tempo / info.division;
    tick = change.tick;
    tempo = change.usPerQuarter;
  }
  us += static_cast<double>(info.endTick - tick) * tempo / info.division;
  info.lengthUs = saturatedMicroseconds(us);
  return info;
}

}  // namespace orbisk
