// The water block: finding it, the boxes' texts and UPDATE's arithmetic over any bytes, then
// the dialog itself on the file: loaded as found in memory, and UPDATE writing the tank whole
// with only the changed values in the block replaced. The first byte picks which boxes are
// typed into and whether Vol Change is ticked.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "netkeeper/water.hpp"
#include "fuzz_support.hpp"
#include "ui/number_box.hpp"
#include "ui/scripted_ui.hpp"

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

  // The dialog on the file.
  const auto folder = fuzz::freshFolder("netkeeper_water");
  fuzz::writeBytes(folder / "tank.TQN", image->bytes());
  ui::ScriptedUi ui;
  netkeeper::Water water(ui);
  auto dialog = water.load(folder / "tank.TQN");
  const bool editable = image->holds(static_cast<tankfile::Offset>(*w), 4 * tankfile::kWaterValueCount) &&
                        tankfile::acceptsWaterEditing(loaded);
  fuzz::require(dialog.has_value() == editable);
  if (!dialog) {
    fuzz::require(ui.messages.size() == 1 && ui.messages[0] == netkeeper::kVersionRefused);
    return 0;
  }
  fuzz::require(dialog->w == *w && dialog->loaded == loaded && dialog->shown == shown && dialog->fileName == "tank");
  dialog->boxes = boxes;
  dialog->volumeChange = (choice & 0x40) != 0;
  std::filesystem::create_directory(folder / "out");
  const auto outcome = water.update(*dialog, folder / "out");
  fuzz::require((outcome == ui::Outcome::Done) == values.has_value());
  if (!values) {
    fuzz::require(std::filesystem::is_empty(folder / "out") && ui.messages.size() == 1);
    return 0;
  }
  base::Bytes expected(image->bytes().begin(), image->bytes().end());
  for (std::size_t k = 0; k < values->size(); ++k) base::putU32(&expected[*w + 4 * k], (*values)[k]);
  fuzz::require(water.lastWritten() == folder / "out" / "tank.tqn" && fuzz::readBytes(water.lastWritten()) == expected);
  return 0;
}
