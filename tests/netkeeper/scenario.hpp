#pragma once
// The tank of the edit and gene-list tests, laid by hand (see tankfile/tank_builder.hpp):
// 30,000 bytes of filler, a zero run at 13,000 (so the first-record search starts at 12,900),
// and these records:
//
//   guppy A   N 13300  ID FF 00 00 00, genes after the record (FF FF at N + 1642), "Bubbles"
//   guppy B   N 15000  ID FF FF FF FF, genes before the record, no nickname
//   discus    N 16500  genes before
//   guppy C   N 18000  nickname "ぐっぴー" in Shift-JIS
//   neon      N 19500  (no genes)
//   guppy D   N 21000  nickname "Sparkletail13" (13 characters)
//   guppy E   N 21350  only 350 bytes after D: never visited
//   guppy F   N 22000  nickname "Q"
//   eggs      E 12200 guppy (before 40 % + 400: never visited), 23000 guppy, 24000 discus,
//             24300 guppy (300 after the discus egg: never visited), 25000 guppy
#include <array>
#include <cstddef>

#include "tankfile/tank_builder.hpp"

namespace scenario {

using base::Bytes;

constexpr std::size_t kLength = 30000;
constexpr std::size_t kA = 13300, kB = 15000, kDiscus = 16500, kC = 18000, kNeon = 19500, kD = 21000, kE = 21350,
                      kF = 22000;
constexpr std::size_t kEggEarly = 12200, kEggGuppy1 = 23000, kEggDiscus = 24000, kEggNear = 24300, kEggGuppy2 = 25000;
constexpr std::array<std::size_t, 5> kEditedGuppies = {kA, kB, kC, kD, kF};
// Gene places: A after its record, the others before theirs.
constexpr std::size_t geneAt(std::size_t n) { return n == kA ? n + 1606 : n - 36; }

inline Bytes tank() {
  using namespace testtank;
  Bytes file = filler(kLength);
  zeros(file, 13000, 200);
  fishAt(file, kA, "Guppy");
  fishAt(file, kB, "Guppy");
  fishAt(file, kDiscus, "Discus");
  fishAt(file, kC, "Guppy");
  fishAt(file, kNeon, "NeonTetra");
  fishAt(file, kD, "Guppy");
  fishAt(file, kE, "Guppy");
  fishAt(file, kF, "Guppy");
  put(file, kA + 328, {0xFF, 0x00, 0x00, 0x00});
  put(file, kB + 328, {0xFF, 0xFF, 0xFF, 0xFF});
  put(file, kA + 1642, {0xFF, 0xFF});
  putCounted(file, kA + 468, "Bubbles");
  file[kB + 468] = 0;
  putCounted(file, kC + 468, "\x82\xAE\x82\xC1\x82\xD2\x81\x5B");
  putCounted(file, kD + 468, "Sparkletail13");
  putCounted(file, kF + 468, "Q");
  // Genes k + 1 (plus 20 for each fish further on) in the even bytes, 0xEE in the odd ones.
  std::size_t shift = 0;
  for (std::size_t n : {kA, kB, kC, kD, kF, kDiscus}) {
    for (std::size_t k = 0; k < 14; ++k) {
      file[geneAt(n) + 2 * k] = static_cast<std::uint8_t>(k + 1 + shift);
      file[geneAt(n) + 2 * k + 1] = 0xEE;
    }
    shift += 20;
  }
  eggAt(file, kEggEarly, "Guppy");
  eggAt(file, kEggGuppy1, "Guppy");
  eggAt(file, kEggDiscus, "Discus");
  eggAt(file, kEggNear, "Guppy");
  eggAt(file, kEggGuppy2, "Guppy");
  return file;
}

}  // namespace scenario
