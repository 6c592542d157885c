#pragma once
// A fish file's frames as pictures, grouped by animation (the pictures themselves are
// fishfile's: the colour changer's preview shows them too). The cutter writes these pictures
// as bitmaps; the sprite sheet, the animated exports and the window's player show them.
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/frame_picture.hpp"

namespace finsplit {

using fishfile::Animation;
using fishfile::framePicture;
using fishfile::IndexedFrame;
using fishfile::kTransparentIndex;

// Every animation of every animation set, in the order the cutter meets the frames (for a
// builder-made file: 18 animations of 8 frames, frames 0-143). Each set's animations hold as
// many frames as its first one says. The first malformed frame is an error naming it.
base::Result<std::vector<Animation>> decodeAnimations(base::ByteSpan file);

}  // namespace finsplit
