#pragma once
// The blocks of a tank file that the tools read and write, found by their byte counts, which
// serve as markers: 60 for the water block, 464 for a fish record, 418 for an egg record. A
// block starts right after its marker. Every other byte of the file is carried through.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "tankfile/tank_image.hpp"

namespace tankfile {

inline constexpr std::array<std::uint8_t, 4> kWaterMarker = {0x3C, 0x00, 0x00, 0x00};
inline constexpr std::array<std::uint8_t, 4> kFishMarker = {0xD0, 0x01, 0x00, 0x00};
inline constexpr std::array<std::uint8_t, 4> kEggMarker = {0xA2, 0x01, 0x00, 0x00};

// Fish record fields, relative to N (the first byte after the marker).
namespace fish {
inline constexpr Offset kNameLength = 0;  // then the kind name
inline constexpr Offset kSex = 260;       // 'M' or 'F'
inline constexpr Offset kFirstCleared = 266;
inline constexpr Offset kAge = 272;  // minutes, 32-bit
inline constexpr Offset kHealth = 276;
inline constexpr Offset kVigor = 290;
inline constexpr Offset kCourage = 294;
inline constexpr Offset kSecondCleared = 298;
inline constexpr std::size_t kClearedWidth = 6;
inline constexpr Offset kFullness = 310;
inline constexpr Offset kPower = 312;  // power - 5
inline constexpr Offset kId = 328;     // 32-bit counter
inline constexpr Offset kNicknameLength = 468;
inline constexpr Offset kNickname = 469;
inline constexpr Offset kGuppySex = -22;    // 3 male, 1 female
inline constexpr Offset kGenesBefore = -36;  // the gene block's place unless the test bytes say after
inline constexpr Offset kGenesAfter = 1606;
inline constexpr Offset kGeneTest = 1642;  // FF FF here puts the gene block after the record
// The longest kind name the first-record search accepts.
inline constexpr std::uint8_t kFirstNameLimit = 29;
}  // namespace fish

// Egg record fields, relative to E.
namespace egg {
inline constexpr Offset kNameLength = 0;
inline constexpr Offset kCount = 256;  // 1..255
inline constexpr Offset kId = 333;
}  // namespace egg

inline constexpr std::size_t kGeneCount = 14;
inline constexpr std::size_t kGeneBlockSize = 28;
using Genes = std::array<std::uint8_t, kGeneCount>;

// The first fish record: the search starts at 40 % of the file, or 100 bytes before the
// first run of 50 zero bytes found from there in steps of 50; it takes the first fish marker
// followed by a kind-name length of at most 29. Returns N.
std::optional<std::size_t> findFirstFishRecord(const TankImage& image);
// The first fish (egg) marker at an offset i with from <= i <= file length; returns i + 4.
std::optional<std::size_t> findNextFishRecord(const TankImage& image, std::size_t from);
std::optional<std::size_t> findNextEggRecord(const TankImage& image, std::size_t from);

// The kind name of the record starting at `start` (a fish's N or an egg's E): its length byte,
// then that many bytes, as bytes. Bytes past the end read 0.
std::string kindName(const TankImage& image, std::size_t start);

// The nickname of the fish at N, one entry per character: a byte 0x80-0x9F or 0xE0-0xFF starts
// a two-byte character (with the byte after it, even past the length), any other is one.
std::vector<std::string> nicknameCharacters(const TankImage& image, std::size_t n);

// Where the fish at N keeps its 28-byte gene block: N + 1606 when the bytes at N + 1642 and
// N + 1643 are both FF, else N - 36.
Offset genePlace(const TankImage& image, std::size_t n);
// Genes 1 to 14 of the block at g: the even bytes. Bytes outside the file read 0.
Genes genesAt(const TankImage& image, Offset g);
// The kinds whose fish carry a gene block: "Discus", "Guppy", "KilliFish", "MarbleAngel" and
// "Kingyo", compared byte for byte with the kind name.
bool carriesGenes(std::string_view kindName);

// The water block: W just after the first marker 3C 00 00 00 that begins at an offset from 1
// to 5000. Holds 15 unsigned 32-bit values, value k at W + 4k.
inline constexpr std::size_t kWaterValueCount = 15;
inline constexpr std::size_t kWaterScanEnd = 5000;
using WaterValues = std::array<std::uint32_t, kWaterValueCount>;
// What each value is, in file order, as the water dialog labels its boxes.
inline constexpr std::array<const char*, kWaterValueCount> kWaterValueNames = {
    "Vol(Litter)", "Temp", "PH",  "GH",      "O2",            "CO2", "HNO3",   "NH3",
    "Cl",          "Ca",   "Mg",  "Protain", "Carbo hydrate", "Fat", "Vitamin"};
std::optional<std::size_t> findWaterBlock(const TankImage& image);
WaterValues waterValues(const TankImage& image, std::size_t w);
// The version test: the temperature value (1) from 15000 to 40000.
bool acceptsWaterEditing(const WaterValues& values);
// A concentration shown to the user, in thousandths: floor(1000 * amount / volume); the
// amount itself (times 1000) when the volume is 0.
std::uint64_t concentrationThousandths(std::uint32_t amount, std::uint32_t volume);

}  // namespace tankfile
