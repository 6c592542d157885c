#include "orbisk/wave_info.hpp"

#include <algorithm>
#include <cstring>

#include "base/strcat.hpp"

namespace orbisk {

namespace {

bool tagAt(base::ByteSpan data, std::uint64_t at, const char* tag) {
  return at <= data.size() && data.size() - at >= 4 && std::memcmp(data.data() + at, tag, 4) == 0;
}

}  // namespace

base::Result<WaveInfo> readWaveInfo(base::ByteSpan wave) {
  if (!tagAt(wave, 0, "RIFF") || !tagAt(wave, 8, "WAVE")) return base::fail("The sound is no RIFF wave.");
  WaveInfo info;
  bool haveFormat = false;
  std::uint64_t at = 12;
  while (wave.size() - std::min<std::uint64_t>(at, wave.size()) >= 8) {
    const std::uint8_t* header = wave.data() + at;
    const std::uint64_t size = base::getU32(header + 4);
    const std::uint64_t body = at + 8;
    if (std::memcmp(header, "fmt ", 4) == 0) {
      if (size < 16 || wave.size() - body < 16) return base::fail("The wave's format chunk is too short.");
      const std::uint8_t* f = wave.data() + body;
      info.formatTag = base::getU16(f);
      info.channels = base::getU16(f + 2);
      info.sampleRate = base::getU32(f + 4);
      info.byteRate = base::getU32(f + 8);
      info.blockAlign = base::getU16(f + 12);
      info.bitsPerSample = base::getU16(f + 14);
      haveFormat = true;
    } else if (std::memcmp(header, "data", 4) == 0) {
      if (!haveFormat) return base::fail("The wave's sound data comes before its format.");
      info.dataOffset = body;
      info.dataBytes = std::min<std::uint64_t>(size, wave.size() - body);
      // PCM and float samples come in whole blocks of one frame; a coded format's block holds
      // many frames, so its length comes from the average byte rate.
      const bool frames = info.formatTag == 1 || info.formatTag == 3;
      if (frames && info.blockAlign != 0 && info.sampleRate != 0)
        info.lengthMs = info.dataBytes / info.blockAlign * 1000 / info.sampleRate;
      else if (info.byteRate != 0)
        info.lengthMs = info.dataBytes * 1000 / info.byteRate;
      else
        return base::fail("The wave's format gives no rate to measure its length by.");
      return info;
    }
    at = body + size + (size & 1);
  }
  return base::fail(haveFormat ? "The wave has no sound data." : "The wave has no format chunk.");
}

}  // namespace orbisk
