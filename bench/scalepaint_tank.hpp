#pragma once
// A tank-like resource file for scalepaint's benchmarks: copies of the sample fish's four
// animation sets, each fish followed by its 464-byte fish record, until the file reaches the
// size asked for.
#include <cstddef>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace scalepaint_bench {

struct Tank {
  base::Bytes data;
  std::size_t fish = 0;
};

base::Result<Tank> makeTank(std::size_t minBytes);

}  // namespace scalepaint_bench
