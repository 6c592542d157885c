// netkeeper's edits and gene list on any bytes: the first byte picks what the dialogs tick,
// the rest is the file. An edited tank, saved and read back, has the file's length and differs
// from it only inside the records the edit reports as edited: a fish's fields (N + 260 to
// N + 331, the guppy's sex at N - 22), an egg's count and ID, a fish's ID and gene bytes.
#include <cstdlib>
#include <set>

#include "fuzz_support.hpp"
#include "netkeeper/edits.hpp"
#include "netkeeper/gene_list.hpp"
#include "netkeeper/kinds.hpp"

using fuzz::require;
using tankfile::Offset;

namespace {

void allow(std::set<Offset>& places, Offset from, Offset count) {
  for (Offset k = 0; k < count; ++k) places.insert(from + k);
}

// Saves the edited image over a copy of the original file and compares every byte.
void checkSaved(const tankfile::TankImage& original, const tankfile::TankImage& edited, const std::set<Offset>& places) {
  const auto path = fuzz::freshFolder("netkeeper_edits") / "tank.tqn";
  fuzz::writeBytes(path, original.bytes());
  require(edited.save(path).has_value());
  const base::Bytes saved = fuzz::readBytes(path);
  require(saved.size() == original.fileLength());
  for (std::size_t i = 0; i < saved.size(); ++i) {
    require(saved[i] == edited.bytes()[i]);
    if (saved[i] != original.bytes()[i]) require(places.count(static_cast<Offset>(i)) == 1);
  }
}

}  // namespace

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
  require(report.fish.size() + report.skippedFish.size() > 0);
  std::set<Offset> places;
  for (std::size_t at : report.fish) {
    const auto N = static_cast<Offset>(at);
    allow(places, N + tankfile::fish::kSex, tankfile::fish::kId + 4 - tankfile::fish::kSex);
    allow(places, N + tankfile::fish::kGuppySex, 1);
  }
  for (std::size_t at : report.eggs) {
    const auto E = static_cast<Offset>(at);
    allow(places, E + tankfile::egg::kCount, 1);
    allow(places, E + tankfile::egg::kId, 4);
  }
  checkSaved(*image, fishImage, places);

  netkeeper::GeneEdits genes;
  for (std::size_t k = 0; k < tankfile::kGeneCount; ++k) {
    genes.ticked[k] = (ticks >> (k % 8)) & 1;
    genes.values[k] = static_cast<std::uint8_t>(ticks + k);
  }
  auto geneImage = *image;
  const auto geneReport = netkeeper::applyGeneEdits(geneImage, *n, genes);
  places.clear();
  for (std::size_t at : geneReport.fish) {
    allow(places, static_cast<Offset>(at) + tankfile::fish::kId, 4);
    // The gene block's place as the test bytes say, before or after the edits before it.
    for (const auto* seen : {&*image, &geneImage}) {
      const Offset g = tankfile::genePlace(*seen, at);
      for (std::size_t k = 0; k < tankfile::kGeneCount; ++k) allow(places, g + 2 * static_cast<Offset>(k), 1);
    }
  }
  checkSaved(*image, geneImage, places);

  if (kind && kind->geneCapable) {
    for (const auto& entry : netkeeper::geneListEntries(*image, *n)) {
      require(netkeeper::geneListLine(entry).size() >= 72);  // 14 genes of five columns and two spaces
      (void)netkeeper::geneListText(entry, base::CodePage::Cp932);
    }
  }
  return 0;
}
