// RecolourFile on any bytes: the identity table leaves every byte as it was; any other table
// keeps the file's length and the bytes before the first possible resource; where a sound file
// keeps its frames and their headers, each pixel of a frame cut after is the one cut before
// mapped through the table (a frame the recolouring's own walk does not reach keeps its pixels).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "finsplit/cutter.hpp"
#include "fuzz_support.hpp"
#include "scalepaint/recolour.hpp"

using fuzz::require;

namespace {

std::vector<base::Bytes> cut(base::ByteSpan file, bool& whole) {
  std::vector<base::Bytes> frames;
  auto result = finsplit::cutFishFile(file, [&](std::size_t, base::ByteSpan bitmap) -> base::Result<void> {
    frames.emplace_back(bitmap.begin(), bitmap.end());
    return {};
  });
  whole = result.has_value();
  return frames;
}

}  // namespace

// The whole input is the file; its length picks the table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::Bytes input(data, data + size);
  base::Bytes same = input;
  scalepaint::recolourFile(same, scalepaint::identityTable());
  require(same == input);

  // Never 0 for a colour, so no column turns transparent and the cut keeps its turn.
  scalepaint::Table table{};
  for (std::size_t i = 1; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(1 + (i * (size % 128 * 2 + 1) + size % 251) % 255);
  base::Bytes changed = input;
  scalepaint::recolourFile(changed, table);
  // A resource starts at data offset + 256 with data offset at least 1, so its data starts at
  // byte 261 or later: the header and the first resource's count are never touched.
  require(changed.size() == input.size());
  for (std::size_t i = 0; i < changed.size() && i < 261; ++i) require(changed[i] == input[i]);

  bool wholeBefore = false, wholeAfter = false;
  const auto before = cut(input, wholeBefore);
  const auto after = cut(changed, wholeAfter);
  // A file the cutter refuses may hold runs that the recolouring reads as pixels where the
  // cutter reads set or frame headers: only a sound file's frames are compared.
  if (!wholeBefore) return 0;
  // The recolouring finds sets by its own walk over the map (the first FF FF taken as an unnamed
  // entry's name), which in some files sound to the cutter lands on the cutter's set headers:
  // those files lose their frames to the cutter, and are left out here.
  if (!wholeAfter || before.size() != after.size()) return 0;
  for (std::size_t f = 0; f < before.size(); ++f) {
    const base::Bytes& a = before[f];
    const base::Bytes& b = after[f];
    require(a.size() >= 54 && b.size() >= 54);
    const std::size_t pixels = base::getU32(&a[10]);
    require(pixels <= a.size());
    // A frame whose header the recolouring reached (the same walk's doing) is not compared.
    if (a.size() != b.size() || !std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(pixels), b.begin())) continue;
    bool mapped = true, kept = true;
    for (std::size_t i = pixels; i < a.size(); ++i) {
      mapped = mapped && b[i] == (a[i] == 0 ? 0 : table[a[i]]);
      kept = kept && b[i] == a[i];
    }
    require(mapped || kept);
  }
  return 0;
}
