#pragma once
// The frames of an image folder as Build would take them, before any build: for each of the
// 144 frames, the build's own verdict and the pixels it would encode. The window's preview
// plays them and marks the frames Build would refuse.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "base/bytes.hpp"

namespace finwright {

struct CheckedFrame {
  std::string name;      // "0012", of "0012.bmp"
  std::string problem;   // the build's message when it refuses the frame; empty when it takes it
  int width = 0, height = 0;
  base::Bytes indices;   // the palette indices the build encodes, top row first; empty when refused
  base::Bytes bitmap;    // the file's bytes when they could be read (a refused frame is shown from them)
};

// Frames 0000.bmp … 0143.bmp of the folder, each checked by the build's own reading and
// encoding; eight frames an animation, in the order of the fish file.
std::vector<CheckedFrame> checkFrames(const std::filesystem::path& imageFolder);

}  // namespace finwright
