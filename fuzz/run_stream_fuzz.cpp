// Run streams: decoding any bytes, and encoding any pixels, which must decode to themselves.
#include <cstdlib>

#include "fishfile/run_stream.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t pixels = data[0] * 256u + data[1];
  base::ByteSpan rest(data + 2, size - 2);
  (void)fishfile::decodeRunStream(rest, pixels);

  auto encoded = fishfile::encodeRunStream(rest);
  if (encoded) {
    auto decoded = fishfile::decodeRunStream(encoded->bytes, rest.size());
    if (!decoded || !std::equal(decoded->begin(), decoded->end(), rest.begin(), rest.end())) std::abort();
  }
  return 0;
}
