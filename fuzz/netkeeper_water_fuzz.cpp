// The water block: finding it, the boxes' texts and UPDATE's arithmetic over any bytes. The
// first byte picks which boxes are typed into and whether Vol Change is ticked.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "netkeeper/water.hpp"
#include "ui/number_box.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t choice = data[0];
  auto image = tankfile::TankImage::fromBytes(base::Bytes(data + 1, data + size));
  if (!image) return 0;
  const auto w = tankfile::findWaterBlock(*image);
  if (!w) return 0;
  if (*w < 5 || *w > tankfile::kWaterScanEnd + 4) std::abort();
  const auto loaded = tankfile::waterValues(*image, *w);
  const auto shown = netkeeper::shownWater(loaded);
  auto boxes = shown;
  // Type the other boxes' texts into some boxes: numbers of every size and sign.
  for (std::size_t k = 0; k < boxes.size(); ++k)
    if (choice & (1u << (k % 7))) boxes[k] = shown[(k * 5 + choice) % shown.size()] + (choice & 0x80 ? "e" : "-1");
  auto values = netkeeper::updatedWater(loaded, shown, boxes, (choice & 0x40) != 0);
  if (values) {
    for (std::size_t k = 0; k < boxes.size(); ++k)
      if (ui::leadingNumber(boxes[k]) == ui::leadingNumber(shown[k]) && !(choice & 0x40) && (*values)[k] != loaded[k]) std::abort();
  }
  // Nothing typed: nothing changes.
  auto same = netkeeper::updatedWater(loaded, shown, shown, false);
  if (!same || *same != loaded) std::abort();
  return 0;
}
