// The frame cutter on any bytes: finding the animation sets through the map, walking their
// frame records and decoding every frame into a bitmap.
#include <cstddef>
#include <cstdint>

#include "finsplit/cutter.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t bytes = 0;
  auto sink = [&](std::size_t, base::ByteSpan bitmap) -> base::Result<void> {
    bytes += bitmap.size();
    return {};
  };
  (void)finsplit::cutFishFile(base::ByteSpan(data, size), sink);
  return 0;
}
