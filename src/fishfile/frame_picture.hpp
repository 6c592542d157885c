#pragma once
// A fish's frames as pictures: every frame's run stream decoded to palette indices, the
// frames grouped into the animations the file plays. The frame cutter writes these pictures as
// bitmaps; the sprite sheet, the animated exports and the windows' players show them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/frame_record.hpp"

namespace fishfile {

// Index 0 of every frame is transparent; the other indices are colours of the system palette.
constexpr std::uint8_t kTransparentIndex = 0;

// One frame: palette indices, top row first, each row left to right.
struct IndexedFrame {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

struct Animation {
  std::vector<IndexedFrame> frames;
};

// The picture of one frame. Its stream must describe exactly width × height pixels. The
// stream's right-to-left rows are turned back; when some column is fully transparent, the
// picture is in addition turned cyclically so that the first such column (counting from the
// right) lands at the right edge.
base::Result<IndexedFrame> framePicture(const FrameView& frame);

// Every animation of the given animation sets, in the order the readers meet the frames. Each
// set's animations hold as many frames as its first one says. The first malformed frame is an
// error naming it (frames counted from 0 over all the sets).
base::Result<std::vector<Animation>> decodeAnimationSets(base::ByteSpan file, std::span<const AnimationSetLocation> sets);

}  // namespace fishfile
