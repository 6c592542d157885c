// The food file builder on any picture and frame bytes: the bitmap checks, then the build,
// whose result must be laid out as the layouts say and readable back through its map.
#include <cstdlib>
#include <vector>

#include "base/bytes.hpp"
#include "foodfile/foodfile.hpp"
#include "resfile/resfile.hpp"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

// Byte 0 picks the frame count (1-25), byte 1 the kind, bytes 2-3 the ID; the rest is cut into
// the picture and the frames at the u16 cut points that follow.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::size_t n = 1 + data[0] % 25;
  const int kind = data[1] % 14;  // 13 is refused
  const double id = (data[2] | (data[3] << 8)) % 140 / 1.0;
  base::ByteSpan rest(data + 4, size - 4);
  std::vector<base::ByteSpan> pieces;
  for (std::size_t i = 0; i < n && rest.size() >= 2; ++i) {
    const std::size_t want = base::getU16(rest.data()) % 4096;
    rest = rest.subspan(2);
    const std::size_t take = std::min(want, rest.size());
    pieces.push_back(rest.first(take));
    rest = rest.subspan(take);
  }
  pieces.push_back(rest);  // the picture
  for (auto piece : pieces) (void)foodfile::checkBitmap(piece);

  const base::ByteSpan picture = pieces.back();
  const std::span<const base::ByteSpan> frames(pieces.data(), pieces.size() - 1);
  const std::uint16_t R = foodfile::resourceNumber(id > 127 ? 127 : id);
  auto file = foodfile::buildFoodFile({"name", "memo", R, kind, picture, frames});
  if (!file) return 0;
  require(kind <= 12 && !frames.empty());
  std::size_t total = 1018 + 16 * frames.size() + picture.size();
  for (auto frame : frames) total += frame.size();
  require(file->size() == total);
  auto refs = resfile::readReferences(*file);
  require(refs.has_value() && refs->size() == 6 + frames.size());
  for (std::size_t k = 0; k < refs->size(); ++k) {
    const auto& ref = (*refs)[k];
    require(ref.number == (k < 6 ? R : R + (k - 6)));
    // The five small resources lie whole in the file; a bitmap's count is its own size field.
    if (k < 5) require(resfile::resourceData(*file, ref.dataOffset).has_value());
  }
  return 0;
}
