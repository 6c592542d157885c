#pragma once
// What a fish file says of its fish besides the frames: the five texts of its info block and
// its icon bitmap, found through the resource map as the builder lays them out.
#include <cstddef>
#include <optional>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_assembly.hpp"

namespace fishfile {

// Where the info block (the resource of exactly kInfoBlockSize bytes) holds its fields: four
// short texts (a length byte, then 32 bytes), the resource number R, and the description
// (512 bytes, zero-padded, no length byte).
constexpr std::size_t kInfoNameAt = 0;
constexpr std::size_t kInfoLatinAt = 33;
constexpr std::size_t kInfoGenreAt = 66;
constexpr std::size_t kInfoHabitatAt = 322;
constexpr std::size_t kInfoNumberAt = 578;
constexpr std::size_t kInfoDescriptionAt = 616;
static_assert(kInfoHabitatAt + 1 + kShortTextMax <= kInfoDescriptionAt && kInfoDescriptionAt + kDescriptionMax <= kInfoBlockSize,
              "the info block's texts lie inside it");

struct FishInfo {
  std::optional<FishTexts> texts;      // bytes in the host's code page; none without an info block
  std::optional<base::ByteSpan> icon;  // the first resource that is a bitmap ("BM"); none without one
};

// The info block's texts (a length byte over 32 counts as 32; the description ends at its
// first zero byte).
FishTexts readInfoTexts(base::ByteSpan infoBlock);

// The texts and the icon of a fish file. A file whose resource map cannot be read is an error.
base::Result<FishInfo> readFishInfo(base::ByteSpan file);

}  // namespace fishfile
