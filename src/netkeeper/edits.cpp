#include "netkeeper/edits.hpp"

#include <algorithm>

#include "netkeeper/kinds.hpp"

namespace netkeeper {

using tankfile::Offset;
using tankfile::TankImage;
namespace fish = tankfile::fish;
namespace egg = tankfile::egg;

namespace {

// The bytes an edit writes, checked before any is.
struct Span {
  Offset at;
  std::size_t width;
};

bool allHeld(const TankImage& image, std::initializer_list<Span> spans) {
  return std::all_of(spans.begin(), spans.end(), [&](const Span& s) { return image.holds(s.at, s.width); });
}

std::uint8_t asByte(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

bool editFish(TankImage& image, std::size_t record, const EditSet& edits, bool guppy) {
  const auto n = static_cast<Offset>(record);
  // Every field lies between N + 260 and N + 331; the guppy's second sex byte before N.
  if (!allHeld(image, {{n + fish::kSex, fish::kId + 4 - fish::kSex}})) return false;
  if (edits.sexFlag && guppy && !image.holds(n + fish::kGuppySex)) return false;

  image.incrementId(n + fish::kId);
  image.clear(n + fish::kFirstCleared, fish::kClearedWidth);
  image.clear(n + fish::kSecondCleared, fish::kClearedWidth);
  if (edits.ageFlag) {
    const auto days = std::clamp<std::int64_t>(edits.ageDays, 0, kMaxAgeDays);
    image.setU32(n + fish::kAge, static_cast<std::uint32_t>(days) * kMinutesPerDay);
  }
  if (edits.healthFlag) image.setByte(n + fish::kHealth, asByte(edits.health));
  if (edits.vigorFlag) image.setByte(n + fish::kVigor, asByte(edits.vigor));
  if (edits.courageFlag) image.setByte(n + fish::kCourage, asByte(edits.courage));
  if (edits.powerFlag && edits.power > 5) image.setByte(n + fish::kPower, asByte(edits.power - 5));
  if (edits.sexFlag) {
    image.setByte(n + fish::kSex, edits.male ? 'M' : 'F');
    if (guppy) image.setByte(n + fish::kGuppySex, edits.male ? 3 : 1);
  }
  return true;
}

std::vector<std::size_t> fishOfKind(const TankImage& image, std::size_t n) {
  const std::string kind = tankfile::kindName(image, n);
  std::vector<std::size_t> records{n};
  for (std::size_t p = n;;) {
    auto m = tankfile::findNextFishRecord(image, p + kRecordGap);
    if (!m) break;
    if (tankfile::kindName(image, *m) == kind) records.push_back(*m);
    p = *m;
  }
  return records;
}

std::vector<std::size_t> eggsOfKind(const TankImage& image, std::size_t n) {
  const std::string kind = tankfile::kindName(image, n);
  std::vector<std::size_t> eggs;
  for (std::size_t p = static_cast<std::size_t>(static_cast<double>(image.fileLength()) * 0.4);;) {
    auto e = tankfile::findNextEggRecord(image, p + kRecordGap);
    if (!e) break;
    if (tankfile::kindName(image, *e) == kind) eggs.push_back(*e);
    p = *e;
  }
  return eggs;
}

std::vector<std::size_t> geneCarriers(const TankImage& image, std::size_t n) {
  std::vector<std::size_t> records{n};
  for (std::size_t p = n;;) {
    auto m = tankfile::findNextFishRecord(image, p + kRecordGap);
    if (!m) break;
    if (isGeneCapableName(tankfile::kindName(image, *m))) records.push_back(*m);
    p = *m;
  }
  return records;
}

EditReport applyFishEdits(TankImage& image, std::size_t n, const EditSet& edits) {
  EditReport report;
  const bool guppy = tankfile::kindName(image, n) == kGuppy;
  // Both lists are found before any byte changes.
  const auto fish = fishOfKind(image, n);
  const auto eggs = eggsOfKind(image, n);
  for (std::size_t record : fish) (editFish(image, record, edits, guppy) ? report.fish : report.skippedFish).push_back(record);

  const auto eggCount = asByte(std::clamp(edits.eggCount, 1, 255));
  for (std::size_t e : eggs) {
    const auto at = static_cast<Offset>(e);
    const bool fits = image.holds(at + egg::kId, 4) && (!edits.eggsFlag || image.holds(at + egg::kCount));
    if (fits) {
      image.incrementId(at + egg::kId);
      if (edits.eggsFlag) image.setByte(at + egg::kCount, eggCount);
    }
    (fits ? report.eggs : report.skippedEggs).push_back(e);
  }
  return report;
}

bool editGenes(TankImage& image, std::size_t record, const GeneEdits& genes) {
  const auto n = static_cast<Offset>(record);
  const Offset g = tankfile::genePlace(image, record);
  if (!image.holds(n + fish::kId, 4)) return false;
  for (std::size_t i = 0; i < tankfile::kGeneCount; ++i)
    if (genes.ticked[i] && !image.holds(g + 2 * static_cast<Offset>(i))) return false;

  image.incrementId(n + fish::kId);
  for (std::size_t i = 0; i < tankfile::kGeneCount; ++i)
    if (genes.ticked[i]) image.setByte(g + 2 * static_cast<Offset>(i), genes.values[i]);
  return true;
}

EditReport applyGeneEdits(TankImage& image, std::size_t n, const GeneEdits& genes) {
  EditReport report;
  for (std::size_t record : geneCarriers(image, n))
    (editGenes(image, record, genes) ? report.fish : report.skippedFish).push_back(record);
  return report;
}

}  // namespace netkeeper
