#include "orbisk/wave_info.hpp"

#include <algorithm>
#include <cstring>

#include "base/reader.hpp"
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
  while (at < wave.size()) {
    base::Reader chunk(wave, at);
    auto tag = chunk.bytes(4, "chunk header");
    auto chunkSize = chunk.u32("chunk header");
    if (!tag || !chunkSize) break;  // fewer than 8 bytes left: no further chunk
    const std::uint64_t size = *chunkSize;
    const std::uint64_t body = at + 8;
    if (std::memcmp(tag->data(), "fmt ", 4) == 0) {
      auto formatTag = chunk.u16(), channels = chunk.u16();
      auto sampleRate = chunk.u32(), byteRate = chunk.u32();
      auto blockAlign = chunk.u16(), bitsPerSample = chunk.u16();
      if (size < 16 || !formatTag || !channels || !sampleRate || !byteRate || !blockAlign || !bitsPerSample)
        return base::fail("The wave's format chunk is too short.");
      info.formatTag = *formatTag;
      info.channels = *channels;
      info.sampleRate = *sampleRate;
      info.byteRate = *byteRate;
      info.blockAlign = *blockAlign;
      info.bitsPerSample = *bitsPerSample;
      haveFormat = true;
    } else if (std::memcmp(tag->data(), "data", 4) == 0) {
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
