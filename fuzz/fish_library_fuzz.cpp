// The fish library's entry list on any bytes; every entry it accepts must lie in the data.
#include <cstdlib>

#include "fishfile/fish_library.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto entries = fishfile::readFishLibrary(base::ByteSpan(data, size));
  if (entries)
    for (const auto& entry : *entries)
      if (std::size_t{entry.offset} + entry.size > size) std::abort();
  return 0;
}
