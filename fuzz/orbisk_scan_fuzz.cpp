// orbisk's scan on any bytes: the first byte picks the kind (bitmap, wave, MIDI), the rest is
// the file. The findings must be in order, must not overlap, and must start with their
// kind's signature.
#include <cstdlib>
#include <cstring>

#include "orbisk/scan.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  auto kind = static_cast<orbisk::Kind>(data[0] % 3);
  base::ByteSpan file(data + 1, size - 1);
  const char* signature = kind == orbisk::Kind::Bitmap ? "BM" : kind == orbisk::Kind::Wave ? "RIFF" : "MThd";
  auto result = orbisk::scanBytes(file, "fuzz.bin", kind);
  std::uint64_t next = 0;
  for (const auto& resource : result.resources) {
    if (resource.start < next || resource.size < 8 || resource.start + std::strlen(signature) > file.size() ||
        std::memcmp(file.data() + resource.start, signature, std::strlen(signature)) != 0 || resource.name.size() > 12)
      std::abort();
    next = resource.start + resource.size;
    (void)orbisk::listLine(resource);
  }
  return 0;
}
