#pragma once
// The fish records of an extended-edition tank (".wtk"): found by a single-precision 1.0
// followed by a kind name, with the fish's values relative to a base found by its sex field.
// The image is the file's bytes; every read past its end gives 0 and no write leaves it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/bytes.hpp"

namespace wtkfile {

inline constexpr std::size_t kMaxTankSize = 200'000;
inline constexpr std::size_t kFirstRecordScanStart = 500;

// The kind names in the order they are tried; the first whose bytes start the text at K wins.
extern const std::array<std::string_view, 36> kKindNames;

struct Record {
  std::size_t k = 0;           // offset of the kind name
  std::string_view kind;       // the recognised name (one of kKindNames)
};

// The kind name starting at k, or none.
std::optional<std::string_view> kindAt(base::ByteSpan image, std::size_t k);
// 80 3F xx 00 00 00 01 and a kind name at i + 10, from offset 500.
std::optional<Record> findFirstRecord(base::ByteSpan image);
// From the current record's k upward: 80 3F xx 00 00 00 00 with the name at i + 11, or
// 80 3F 00 00 00 00 01 with the name at i + 10.
std::optional<Record> findNextRecord(base::ByteSpan image, std::size_t k);

// The kind name and the nickname stored at K (bytes, in the file's code page).
struct NameBlock {
  std::string kind;
  std::string nickname;
  std::size_t nicknameAt = 0;  // where the nickname starts, counted from K
};
NameBlock readNameBlock(base::ByteSpan image, std::size_t k);

enum class BaseKind { Male, Female, Egg };
struct Base {
  std::size_t b = 0;
  BaseKind kind = BaseKind::Male;
};
// The first d = 96 … 224 where K + d holds 100 (male), -100 (female) or the egg pattern
// 00 nz nz FF FF (base one byte further).
std::optional<Base> findBase(base::ByteSpan image, std::size_t k);

// Field offsets from the base B.
namespace field {
inline constexpr std::size_t kSex = 0, kAge = 4, kCleared1 = 8, kPowerCompanions = 20, kCourageCompanions = 28,
                             kEggs = 44, kCleared2 = 116, kCleared3 = 120, kHealth = 124, kCapacity = 128,
                             kFullness = 132, kPower = 140, kCourage = 144, kColour = 148, kReset0 = 152,
                             kReset100a = 156, kReset100b = 160, kResetZero4 = 185;
// One past the last byte any edit writes.
inline constexpr std::size_t kEnd = kResetZero4 + 4;
}  // namespace field

inline constexpr std::int32_t kMale = 100, kFemale = -100;
inline constexpr std::uint32_t kMaxAgeDays = 2'982'616;

// Reads that give 0 past the end of the image.
std::int32_t readI32(base::ByteSpan image, std::size_t at);
std::uint32_t readU32(base::ByteSpan image, std::size_t at);
float readSingle(base::ByteSpan image, std::size_t at);
// Writes; the caller has checked that the record's fields lie inside the image.
void writeI32(base::Bytes& image, std::size_t at, std::int32_t value);
void writeSingle(base::Bytes& image, std::size_t at, float value);

// The writes every edited fish gets: cleared bytes, the reset values.
void writeResets(base::Bytes& image, std::size_t b);
// Whole days clamped to 0 … 2,982,616, as minutes.
std::uint32_t ageMinutes(double days);
// A number box read as a whole number: halves to even.
double wholeNumber(double value);

}  // namespace wtkfile
