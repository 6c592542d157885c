// The tank record searches and field readers on any bytes: every record found must start
// right after its marker, later records after earlier ones, the water block within its range.
#include <cstdlib>

#include "tankfile/records.hpp"

namespace {

bool markerBefore(const tankfile::TankImage& image, std::size_t start, const std::array<std::uint8_t, 4>& marker) {
  const auto at = static_cast<tankfile::Offset>(start) - 4;
  for (std::size_t k = 0; k < 4; ++k)
    if (image.byteAt(at + static_cast<tankfile::Offset>(k)) != marker[k]) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = tankfile::TankImage::fromBytes(base::Bytes(data, data + size));
  if (!image) return 0;
  if (auto w = tankfile::findWaterBlock(*image)) {
    if (*w < 5 || *w > tankfile::kWaterScanEnd + 4 || !markerBefore(*image, *w, tankfile::kWaterMarker)) std::abort();
    (void)tankfile::acceptsWaterEditing(tankfile::waterValues(*image, *w));
  }
  auto n = tankfile::findFirstFishRecord(*image);
  if (n && (!markerBefore(*image, *n, tankfile::kFishMarker) || image->byteAt(static_cast<tankfile::Offset>(*n)) > 29))
    std::abort();
  for (std::size_t count = 0; n && count < 1000; ++count) {
    (void)tankfile::kindName(*image, *n);
    (void)tankfile::nicknameCharacters(*image, *n);
    (void)tankfile::genesAt(*image, tankfile::genePlace(*image, *n));
    auto next = tankfile::findNextFishRecord(*image, *n + 1);
    if (next && (*next <= *n || !markerBefore(*image, *next, tankfile::kFishMarker))) std::abort();
    n = next;
  }
  for (auto e = tankfile::findNextEggRecord(*image, 0); e; e = tankfile::findNextEggRecord(*image, *e + 1)) {
    if (!markerBefore(*image, *e, tankfile::kEggMarker)) std::abort();
    (void)tankfile::kindName(*image, *e);
  }
  return 0;
}
