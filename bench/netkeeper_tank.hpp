#pragma once
// A 10,000,000-byte tank for netkeeper's benchmarks: 40 % other state, a zero run, then a fish
// every 1,700 bytes (guppies with a discus and a neon in every five), eggs after them.
#include "base/bytes.hpp"
#include "tankfile/tank_builder.hpp"

namespace netkeeper_bench {

constexpr std::size_t kTankBytes = 10'000'000;

inline base::Bytes bigTank() {
  using namespace testtank;
  base::Bytes file = filler(kTankBytes);
  zeros(file, 4'100'000, 200);
  std::size_t count = 0;
  std::size_t n = 4'100'300;
  for (; n + 1700 < 9'800'000; n += 1700, ++count) {
    const char* kind = count % 5 == 2 ? "Discus" : count % 5 == 4 ? "NeonTetra" : "Guppy";
    fishAt(file, n, kind);
    putCounted(file, n + 468, count % 3 == 0 ? "Sparkle" : "\x82\xD0\x82\xA9\x82\xE8");
    if (count % 2 == 0) put(file, n + 1642, {0xFF, 0xFF});
  }
  for (std::size_t e = n + 500; e + 500 < kTankBytes; e += 500) eggAt(file, e, "Guppy");
  return file;
}

}  // namespace netkeeper_bench
