#pragma once
// Extended-edition tanks (".wtk") for the demo and the tests: records laid out as the game
// lays them out, each with its base 100 bytes after its kind name.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace samples {

enum class WtkMarker { First, FormA, FormB };
enum class WtkSex { Male, Female, Egg, Neither };

struct WtkFish {
  WtkMarker marker = WtkMarker::FormB;
  std::string kind;             // bytes written at K, e.g. "NEONTETRA"
  std::string second = "fish";  // the text after the kind name
  std::string nickname;         // bytes (Shift-JIS)
  WtkSex sex = WtkSex::Male;
  std::uint32_t ageMinutes = 0;
  float health = 100, capacity = 8, fullness = 4, courage = 50, power = 50, colour = 1;
  std::int32_t eggs = 0;
};

inline constexpr std::size_t kWtkHeaderSize = 520;  // first record's marker here
inline constexpr std::size_t kWtkRecordSpan = 320;  // from one marker to the next
inline constexpr std::size_t kWtkBaseDistance = 100;  // B = K + 100 (an egg's pattern starts at K + 99)

// The kind-name offset K of record n in a tank made by makeWtk.
std::size_t wtkKindOffset(const std::vector<WtkFish>& fish, std::size_t n);
base::Bytes makeWtk(const std::vector<WtkFish>& fish);

// The demo's tank: males, females, eggs (one holding 100), a record with neither sex value,
// kind names that are recognised by their prefix, and one that is not recognised.
base::Result<base::Bytes> sampleWtk();
base::Result<void> writeWtk(const std::filesystem::path& path);

}  // namespace samples
