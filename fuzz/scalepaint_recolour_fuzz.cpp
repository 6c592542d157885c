// RecolourFile on any bytes: the identity table must leave every byte as it was, and any
// other table must keep the file's length and the bytes before the first possible resource.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "scalepaint/recolour.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::Bytes input(data, data + size);
  base::Bytes same = input;
  scalepaint::recolourFile(same, scalepaint::identityTable());
  if (same != input) std::abort();

  scalepaint::Table reverse{};
  for (std::size_t i = 0; i < reverse.size(); ++i) reverse[i] = static_cast<std::uint8_t>(255 - i);
  base::Bytes changed = input;
  scalepaint::recolourFile(changed, reverse);
  // A resource starts at data offset + 256 with data offset at least 1, so its data starts at
  // byte 261 or later: the header and the first resource's count are never touched.
  if (changed.size() != input.size()) std::abort();
  for (std::size_t i = 0; i < changed.size() && i < 261; ++i)
    if (changed[i] != input[i]) std::abort();
  return 0;
}
