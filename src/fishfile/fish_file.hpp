#pragma once
// Reading a fish file's animation sets through its resource map, as the frame cutter and the
// colour changer do: from the map offset M, the first pair of 0xFF bytes is taken as the
// name field of an unnamed reference entry, and the entries after it are read every 12 bytes
// in map order until one lies past the file, has a data offset of 0, or points past the file.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/bytes.hpp"

namespace fishfile {

// The largest fish file the readers take.
constexpr std::size_t kMaxFishFileSize = 3'000'001;

struct AnimationSetLocation {
  std::size_t dataStart = 0;   // the resource's first data byte
  std::uint32_t byteCount = 0; // its 24-bit byte count
};

// The animation sets in map order (for a builder-made file: resources 8, 9, 10, 11). A file
// whose map offset is 0 has none.
std::vector<AnimationSetLocation> findAnimationSets(base::ByteSpan file);

}  // namespace fishfile
