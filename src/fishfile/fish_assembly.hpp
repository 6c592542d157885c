#pragma once
// Assembling a fish file from the library's template entries: "top.dat" as the header,
// "001.dat" … "065.dat" as resources 1-65, and a prefix of "back.dat" as the resource map,
// patched with the offsets, the resource numbers, the texts and six copies of the fish name.
#include <cstdint>
#include <map>
#include <string>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace fishfile {

constexpr int kMaxFishId = 127;
constexpr std::size_t kShortTextMax = 32;
constexpr std::size_t kDescriptionMax = 512;

// The texts, already in the host's code page.
struct FishTexts {
  std::string name, latin, genre, habitat, description;
};

// Library entries by name ("top.dat", "back.dat", "001.dat" …).
using EntryMap = std::map<std::string, base::Bytes, std::less<>>;

// R = ID × 200 + 300.
constexpr std::uint16_t resourceNumber(int fishId) { return static_cast<std::uint16_t>(fishId * 200 + 300); }

// The whole fish file. Refuses an ID outside 0-127, a text longer than its field, a missing
// entry, entries too short for the fields written into them, and a "top.dat" and "001.dat"
// so short that resource 2 would start before offset 256 (a negative data offset).
base::Result<base::Bytes> assembleFishFile(const EntryMap& entries, int fishId, const FishTexts& texts);
// The same with the resource number R given directly (an ID typed with a fraction gives an R
// that is not a multiple of 200 past 300).
base::Result<base::Bytes> assembleFishFileNumbered(const EntryMap& entries, std::uint16_t R, const FishTexts& texts);

// "001.dat" for resource 1.
std::string resourceEntryName(int resource);

}  // namespace fishfile
