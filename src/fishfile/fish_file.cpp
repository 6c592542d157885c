#include "fishfile/fish_file.hpp"

#include "fishfile/animation_set.hpp"
#include "resfile/resfile.hpp"

namespace fishfile {

namespace {

// Bytes past the end read as 0, as in the readers' zero-filled buffer.
std::uint32_t u24OrZero(base::ByteSpan file, std::size_t at) {
  return base::byteOrZero(file, at) | (base::byteOrZero(file, at + 1) << 8) | (base::byteOrZero(file, at + 2) << 16);
}

}  // namespace

std::vector<AnimationSetLocation> findAnimationSets(base::ByteSpan file) {
  std::vector<AnimationSetLocation> sets;
  const std::size_t size = file.size();
  const std::size_t mapStart = resfile::mapOffset(file);
  if (mapStart == 0) return sets;

  std::size_t m = mapStart;
  for (std::size_t k = mapStart; k + 1 < size; ++k) {
    if (file[k] == 0xFF && file[k + 1] == 0xFF) {
      m = k;
      break;
    }
  }
  for (;;) {
    m += resfile::kReferenceEntrySize;
    if (m > size) break;
    const std::uint32_t dataOffset = u24OrZero(file, m + 2);
    if (dataOffset == 0) break;
    const std::size_t countAt = std::size_t{dataOffset} + resfile::kHeaderSize;
    if (countAt > size) break;
    const std::uint32_t count = u24OrZero(file, countAt);
    if (looksLikeAnimationSet(file, countAt + 4, count)) sets.push_back({countAt + 4, count});
  }
  return sets;
}

}  // namespace fishfile
