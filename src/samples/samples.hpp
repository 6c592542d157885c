#pragma once
// The sample inputs of the demo and the tests: frame bitmaps, an icon, a fish library and a
// fish file built from them. None of it comes from the game; all of it is drawn here.
#include <filesystem>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/fish_assembly.hpp"

namespace samples {

// Frame n as an 8-bit bottom-up bitmap in the system palette.
base::Bytes frameBitmap(std::size_t frame);
base::Bytes iconBitmap();

// The texts and ID of the sample fish.
fishfile::FishTexts sampleFishTexts();
constexpr int kSampleFishId = 42;

// The four animation sets of the sample frames, encoded as the builder encodes them.
base::Result<std::vector<base::Bytes>> sampleAnimationSets();

// The sample fish file: the sample library's template with the icon and the frames.
base::Result<base::Bytes> sampleFish();

// "0000.bmp" … "0143.bmp" and "icon.bmp" into folder (created if missing).
base::Result<void> writeFrames(const std::filesystem::path& folder);
base::Result<void> writeLibrary(const std::filesystem::path& file);
base::Result<void> writeFish(const std::filesystem::path& file);

}  // namespace samples
