#pragma once
// The food file (.fd): a resource file holding the food header (name, memo, resource number),
// the kind's parameter block, three small constants, the food picture and 1-25 animation
// frames, all numbered with the food's resource number R (frames R + k). One frame gives the
// single-frame layout, more the multi-frame layout; the two differ in header constants,
// resource order and the FdVe value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/bytes.hpp"
#include "base/codepage.hpp"
#include "base/error.hpp"

namespace foodfile {

inline constexpr std::size_t kKindCount = 13;
inline constexpr int kMaxKind = 12;
inline constexpr std::size_t kMaxFrames = 25;
inline constexpr std::size_t kNameBytes = 32;
inline constexpr std::size_t kMemoBytes = 512;
inline constexpr std::size_t kHeaderDataSize = 548;
inline constexpr std::size_t kParameterSize = 26;

// R = ID × 100 + 10000 (10000-22700 for IDs 0-127); an ID with a fraction gives the
// nearest whole number, a half going to the even one. The ID must lie in 0-127.
std::uint16_t resourceNumber(double foodId);

// The parameter block's preset for a kind 0-12, before R goes into bytes 20-21.
std::array<std::uint8_t, kParameterSize> kindPreset(int kind);

// A text as the food file stores it: the code page's bytes, one per single-byte character,
// two (lead byte first) per double-byte character. A character the code page cannot hold is
// an error naming it.
base::Result<std::string> encodeAnsiText(std::string_view utf8, base::CodePage page);

// A picture or frame fit to embed: at least 6 bytes (its size field, bytes 2-5, lies inside
// it) and starting with "BM". The error says what is wrong, to follow the file's name.
base::Result<void> checkBitmap(base::ByteSpan file);

struct FoodInputs {
  std::string name;  // encoded, at most 32 bytes
  std::string memo;  // encoded, at most 512 bytes
  std::uint16_t resourceNumber = 10000;
  int kind = 0;      // 0-12
  base::ByteSpan picture;                 // a complete bitmap file
  std::span<const base::ByteSpan> frames;  // 1-25 complete bitmap files, in strip order
};

// The whole food file. Refuses what would not fit its fields: a name over 32 bytes, a memo
// over 512, a kind outside 0-12, no frames or more than 25, a bitmap shorter than its size
// field (6 bytes), a frame number past 65535, and a file too long for the 24-bit offsets.
base::Result<base::Bytes> buildFoodFile(const FoodInputs& inputs);

}  // namespace foodfile
