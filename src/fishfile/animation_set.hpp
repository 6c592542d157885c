#pragma once
// Animation sets: a u16 animation count, then each animation as a u16 frame count followed by
// its frame records.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/frame_record.hpp"

namespace fishfile {

constexpr std::uint32_t kInfoBlockSize = 1128;   // the info block is never an animation set
constexpr std::uint32_t kMinAnimationSetSize = 805;

// The content test by which readers tell an animation set from the other resources: more
// than 804 bytes, not a bitmap ("BM"), not 1128 bytes long, an animation count of 1-16 whose
// high byte is 0, a first frame count of 1-16, and zeros in the five bytes after it. `data`
// is the file and `at` the resource's first data byte; bytes past the file's end read as 0.
bool looksLikeAnimationSet(base::ByteSpan file, std::size_t at, std::uint32_t byteCount);

// The frame records of the set whose data starts at `at` and is `byteCount` bytes long,
// walked as readers always have: every animation is taken to hold as many frames as the first
// one, and the walk leaves the set once it reaches byteCount. A record that does not lie in
// the file is an error naming its frame, counted from firstFrame.
base::Result<std::vector<FrameView>> readAnimationSet(base::ByteSpan file, std::size_t at,
                                                      std::uint32_t byteCount, std::size_t firstFrame);

// A set of records.size() / 8 animations of 8 frames each.
base::Bytes makeAnimationSet(std::span<const base::Bytes> frameRecords);

// Frame number as a four-digit name: 12 -> "0012".
std::string frameName(std::size_t number);

}  // namespace fishfile
