#pragma once
// The edits netkeeper makes on a loaded image: the fish-information edits on every fish and
// egg of the first fish's kind, and the gene edits on every gene-carrying fish. Nothing here is
// written to disk. A record whose edited bytes would lie outside the file is left as it is and
// reported, rather than edited in part.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tankfile/records.hpp"
#include "tankfile/tank_image.hpp"

namespace netkeeper {

// What the Fish Infomation dialog confirms.
struct EditSet {
  bool ageFlag = false;
  std::int64_t ageDays = 0;
  bool healthFlag = false, vigorFlag = false, courageFlag = false, powerFlag = false;
  int health = 100, vigor = 100, courage = 100, power = 100;
  bool sexFlag = false;
  bool male = true;
  bool eggsFlag = false;
  int eggCount = 100;  // clamped to 1..255 when written
};

// The largest age a 32-bit count of minutes holds.
inline constexpr std::int64_t kMaxAgeDays = 2'982'616;
inline constexpr std::uint32_t kMinutesPerDay = 1440;
// Later records are searched for from this far after the last one.
inline constexpr std::size_t kRecordGap = 400;

// The gene boxes of the Splicing dialog: box i, when ticked, writes gene i + 1.
struct GeneEdits {
  std::array<bool, tankfile::kGeneCount> ticked{};
  std::array<std::uint8_t, tankfile::kGeneCount> values{};
};

struct EditReport {
  std::vector<std::size_t> fish, eggs;                // N and E of the records edited
  std::vector<std::size_t> skippedFish, skippedEggs;  // left as they were: fields outside the file
};

// One fish record at N: the ID incremented, the two six-byte fields cleared, then each flagged
// value. `guppy` writes the sex a second time at N - 22. False, with nothing changed, when a
// byte to write lies outside the file.
bool editFish(tankfile::TankImage& image, std::size_t n, const EditSet& edits, bool guppy);
// The records the fish-information edits visit: N and every later fish of N's kind (each
// searched for from 400 bytes after the last record found), and the eggs of that kind after
// 40 % of the file.
std::vector<std::size_t> fishOfKind(const tankfile::TankImage& image, std::size_t n);
std::vector<std::size_t> eggsOfKind(const tankfile::TankImage& image, std::size_t n);
// The records the gene edits visit: N, then every later gene-carrying fish of any kind.
std::vector<std::size_t> geneCarriers(const tankfile::TankImage& image, std::size_t n);

// The fish-information edits: the record at N, every later record of the same kind name
// (each searched for from 400 bytes after the last), and the eggs of that kind after 40 % of
// the file.
EditReport applyFishEdits(tankfile::TankImage& image, std::size_t n, const EditSet& edits);

// One fish's genes: the ID incremented and each ticked gene written into its gene block.
bool editGenes(tankfile::TankImage& image, std::size_t n, const GeneEdits& genes);
// The gene edits: the record at N, then every later record of any gene-carrying kind.
EditReport applyGeneEdits(tankfile::TankImage& image, std::size_t n, const GeneEdits& genes);

}  // namespace netkeeper
