#pragma once
// A large file for orbisk's benchmarks: random bytes (with the many chance "BM" pairs and
// other signature pieces that random bytes hold) and, every MiB, one bitmap, one wave sound
// and one MIDI file. Every planted item must be found and nothing else.
#include <cstdint>
#include <cstring>
#include <random>

#include "base/bytes.hpp"
#include "samples/bitmaps.hpp"

namespace orbisk_bench {

struct Pack {
  base::Bytes data;
  std::size_t bitmaps = 0, waves = 0, midis = 0;
};

inline base::Bytes waveSound() {
  const std::uint32_t samples = 4000;
  base::Bytes b(44 + samples);
  std::memcpy(b.data(), "RIFF", 4);
  base::putU32(b.data() + 4, 36 + samples);
  std::memcpy(b.data() + 8, "WAVEfmt ", 8);
  base::putU32(b.data() + 16, 16);
  base::putU16(b.data() + 20, 1);       // PCM
  base::putU16(b.data() + 22, 1);       // mono
  base::putU32(b.data() + 24, 8000);    // samples per second
  base::putU32(b.data() + 28, 8000);    // bytes per second
  base::putU16(b.data() + 32, 1);       // block
  base::putU16(b.data() + 34, 8);       // bits
  std::memcpy(b.data() + 36, "data", 4);
  base::putU32(b.data() + 40, samples);
  for (std::uint32_t i = 0; i < samples; ++i) b[44 + i] = static_cast<std::uint8_t>(128 + (i * 7) % 64);
  return b;
}

inline base::Bytes midiFile() {
  const std::uint8_t bytes[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,
                                'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0,
                                'M', 'T', 'r', 'k', 0, 0, 0, 12, 0, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0, 0, 0xFF, 0x2F, 0};
  return base::Bytes(std::begin(bytes), std::end(bytes));
}

inline Pack makePack(std::size_t bytes) {
  Pack pack;
  pack.data.resize(bytes);
  std::mt19937_64 random(42);
  for (std::size_t i = 0; i + 8 <= bytes; i += 8) {
    auto v = random();
    std::memcpy(pack.data.data() + i, &v, 8);
  }
  const auto bitmap = samples::plantIcon();
  const auto wave = waveSound();
  const auto midi = midiFile();
  for (std::size_t at = 4096; at + (1u << 20) <= bytes; at += 1u << 20) {
    std::size_t offset = at;
    for (const auto* item : {&bitmap, &wave, &midi}) {
      std::memcpy(pack.data.data() + offset, item->data(), item->size());
      offset += item->size() + 1000;
    }
    ++pack.bitmaps;
    ++pack.waves;
    ++pack.midis;
  }
  return pack;
}

}  // namespace orbisk_bench
