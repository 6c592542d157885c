#pragma once
// Cutting a fish file into one 8-bit bitmap per animation frame, in the order the frames are
// met through the resource map, with the fixed system palette.
#include <cstddef>
#include <functional>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/frame_record.hpp"

namespace finsplit {

// Frames are named with four digits, so a file can give at most this many.
constexpr std::size_t kMaxFrames = 10'000;

// The bitmap of one frame: its picture (frames.hpp) with the system palette.
base::Result<base::Bytes> frameBitmap(const fishfile::FrameView& frame);

using FrameSink = std::function<base::Result<void>(std::size_t frameNumber, base::ByteSpan bitmap)>;

// Decodes every frame of every animation set and hands each bitmap to the sink in order;
// returns how many there were. The first malformed frame, or the first failure of the sink,
// ends the cut with a message naming the frame.
base::Result<std::size_t> cutFishFile(base::ByteSpan file, const FrameSink& sink);

}  // namespace finsplit
