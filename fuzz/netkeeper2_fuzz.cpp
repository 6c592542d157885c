// Extended-edition tanks: the record search, the grid fill, the fish edits and the grid's
// write-back must stay inside the image whatever it holds, and never change its length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "netkeeper2/fish_edits.hpp"
#include "netkeeper2/grid.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > netkeeper2::kMaxTankSize) return 0;
  base::Bytes image(data, data + size);
  auto rows = netkeeper2::fillGrid(image, base::CodePage::Cp932);
  if (rows.size() > netkeeper2::kMaxGridRows) std::abort();
  std::vector<netkeeper2::GridCells> cells;
  for (const auto& row : rows) {
    auto edited = row.cells;
    edited[netkeeper2::kSex - 1] = netkeeper2::toggledSex(edited[netkeeper2::kSex - 1]);
    edited[netkeeper2::kAge - 1] = "12";
    edited[netkeeper2::kFullness - 1] = "50";
    edited[netkeeper2::kEgg - 1] = "300";
    cells.push_back(edited);
  }
  netkeeper2::writeGrid(image, rows, cells);
  netkeeper2::FishEdits edits{1e12, 5, 50, -3, 7, 1, true};
  netkeeper2::applyFishEdits(image, edits);
  if (image.size() != size) std::abort();
  return 0;
}
