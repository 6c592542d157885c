#pragma once
// What the preview needs to know of a RIFF wave sound before it plays it: its format and the
// length of its sound data, read from the chunk headers only.
#include <cstdint>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace orbisk {

struct WaveInfo {
  std::uint16_t formatTag = 0;  // 1: PCM
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t byteRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint64_t dataOffset = 0;  // of the first sound byte
  std::uint64_t dataBytes = 0;   // as stated, cut to the bytes present
  std::uint64_t lengthMs = 0;    // PCM: whole frames at the sample rate; else the bytes at the byte rate
};

// Walks the chunks after "RIFF", size, "WAVE" (each padded to an even length) up to the "data"
// chunk, which must follow a "fmt " chunk of at least 16 bytes. Fails, saying why, when the
// bytes are no wave or the format gives no rate to measure the length by.
base::Result<WaveInfo> readWaveInfo(base::ByteSpan wave);

}  // namespace orbisk
