#include "netkeeper2/fish_edits.hpp"

#include "netkeeper2/grid.hpp"
#include "wtkfile/records.hpp"

namespace netkeeper2 {

using namespace wtkfile;

namespace {

float whole(double value) { return static_cast<float>(wholeNumber(value)); }

void editFish(base::Bytes& image, std::size_t b, const FishEdits& edits) {
  writeResets(image, b);
  if (edits.health) writeSingle(image, b + field::kHealth, whole(*edits.health));
  if (edits.fullness) {
    writeSingle(image, b + field::kFullness, fullnessValue(readSingle(image, b + field::kCapacity), *edits.fullness));
  }
  if (edits.colour) writeSingle(image, b + field::kColour, whole(*edits.colour));
  if (edits.courage) {
    writeSingle(image, b + field::kCourage, whole(*edits.courage));
    writeSingle(image, b + field::kCourageCompanions, 100.0f);
    writeSingle(image, b + field::kCourageCompanions + 4, 100.0f);
  }
  if (edits.power) {
    writeSingle(image, b + field::kPower, whole(*edits.power));
    writeSingle(image, b + field::kPowerCompanions, 100.0f);
    writeSingle(image, b + field::kPowerCompanions + 4, 100.0f);
  }
  if (edits.age) base::putU32(image.data() + b + field::kAge, ageMinutes(*edits.age));
  if (edits.male) writeI32(image, b + field::kSex, *edits.male ? kMale : kFemale);
}

}  // namespace

FishEditReport applyFishEdits(base::Bytes& image, const FishEdits& edits) {
  FishEditReport report;
  for (auto record = findFirstRecord(image); record; record = findNextRecord(image, record->k)) {
    // The base is found as the grid finds it, so an egg whose egg value happens to read 100
    // is not taken for a male fish.
    const auto found = findBase(image, record->k);
    if (!found || found->kind == BaseKind::Egg) {
      ++report.withoutSex;
    } else if (found->b + field::kEnd > image.size()) {
      ++report.pastEnd;
    } else {
      editFish(image, found->b, edits);
      ++report.edited;
    }
  }
  return report;
}

}  // namespace netkeeper2
