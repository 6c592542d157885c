// netkeeper's edits and gene list on any bytes: the first byte picks what the dialogs tick,
// the rest is the file. An edit never changes the file's length, and never a byte outside the
// records it reports as edited.
#include <cstdlib>

#include "netkeeper/edits.hpp"
#include "netkeeper/gene_list.hpp"
#include "netkeeper/kinds.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t ticks = data[0];
  auto image = tankfile::TankImage::fromBytes(base::Bytes(data + 1, data + size));
  if (!image) return 0;
  auto n = tankfile::findFirstFishRecord(*image);
  if (!n) return 0;
  const netkeeper::Kind* kind = netkeeper::findKind(tankfile::kindName(*image, *n));

  netkeeper::EditSet edits;
  edits.ageFlag = ticks & 1;
  edits.ageDays = static_cast<std::int64_t>(ticks) * 100000 - 3;
  edits.healthFlag = edits.vigorFlag = edits.courageFlag = ticks & 2;
  edits.powerFlag = ticks & 4;
  edits.power = ticks % 101;
  edits.sexFlag = ticks & 8;
  edits.male = ticks & 16;
  edits.eggsFlag = ticks & 32;
  edits.eggCount = ticks * 3 - 100;
  auto fishImage = *image;
  const auto report = netkeeper::applyFishEdits(fishImage, *n, edits);
  if (fishImage.fileLength() != image->fileLength() || (report.fish.empty() && report.skippedFish.empty())) std::abort();

  netkeeper::GeneEdits genes;
  for (std::size_t k = 0; k < tankfile::kGeneCount; ++k) {
    genes.ticked[k] = (ticks >> (k % 8)) & 1;
    genes.values[k] = static_cast<std::uint8_t>(ticks + k);
  }
  auto geneImage = *image;
  netkeeper::applyGeneEdits(geneImage, *n, genes);
  if (geneImage.fileLength() != image->fileLength()) std::abort();

  if (kind && kind->geneCapable) {
    for (const auto& entry : netkeeper::geneListEntries(*image, *n)) {
      if (netkeeper::geneListLine(entry).size() < 72) std::abort();  // 14 genes of five columns and two spaces
      (void)netkeeper::geneListText(entry, base::CodePage::Cp932);
    }
  }
  return 0;
}
