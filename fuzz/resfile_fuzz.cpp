// The resource map's type and reference entries on any bytes, and each resource they name.
#include "resfile/resfile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ByteSpan file(data, size);
  auto refs = resfile::readReferences(file);
  if (refs)
    for (const auto& ref : *refs) (void)resfile::resourceData(file, ref.dataOffset);
  return 0;
}
