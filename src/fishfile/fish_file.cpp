#include "fishfile/fish_file.hpp"

#include "base/zero_extended.hpp"
#include "fishfile/animation_set.hpp"
#include "resfile/resfile.hpp"

namespace fishfile {

std::vector<AnimationSetLocation> findAnimationSets(base::ByteSpan file) {
  std::vector<AnimationSetLocation> sets;
  // The walk reads the fish file's way: bytes past its end count as 0.
  const base::ZeroExtended view(file);
  const std::size_t size = file.size();
  const std::size_t mapStart = resfile::mapOffset(file);
  if (mapStart == 0) return sets;

  std::size_t m = mapStart;
  for (std::size_t k = mapStart; k + 1 < size; ++k) {
    if (view.u16(k) == 0xFFFF) {
      m = k;
      break;
    }
  }
  for (;;) {
    m += resfile::kReferenceEntrySize;
    if (m > size) break;
    const std::uint32_t dataOffset = view.u24(m + 2);
    if (dataOffset == 0) break;
    const std::size_t countAt = std::size_t{dataOffset} + resfile::kHeaderSize;
    if (countAt > size) break;
    const std::uint32_t count = view.u24(countAt);
    if (looksLikeAnimationSet(file, countAt + 4, count)) sets.push_back({countAt + 4, count});
  }
  return sets;
}

}  // namespace fishfile
