#pragma once
// PreView without the window: finding the first animation set and the fish's kind in a source
// (LoadPreviewSource), the display palette, and drawing the first frame of the first animation
// through the palette table onto a 350 × 350 surface (DrawPreview).
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "scalepaint/palette.hpp"
#include "scalepaint/recolour.hpp"

namespace scalepaint {

// The preview sees at most this many bytes of its source.
constexpr std::size_t kPreviewLoadLimit = 15'000'001;

// Byte counts of the fish record and the egg record of a tank, which start with the kind name.
constexpr std::uint32_t kFishRecordSize = 464;
constexpr std::uint32_t kEggRecordSize = 418;

struct PreviewSource {
  base::Bytes data;                       // the loaded bytes
  std::string kindName;                   // bytes as stored; empty when none was found
  std::optional<std::size_t> setStart;    // the first animation set's first data byte
  std::uint32_t setByteCount = 0;
  // The first fish's animation sets: the first set and those right after it in the map, four
  // at most (a fish file's four; a tank's first fish).
  std::vector<ResourceSpot> fishSets;
};

constexpr std::size_t kFishSetsMax = 4;

// Walks the map: the kind name is taken from each fish or egg record met before the first
// animation set; if none was, from the first one after it. The first fish's sets are the first
// set and the animation sets that directly follow it.
PreviewSource locatePreview(base::Bytes data);

// Loads the first kPreviewLoadLimit bytes of the file, then locatePreview.
base::Result<PreviewSource> loadPreviewSource(const std::filesystem::path& path);

// The column offset of a kind name (exact match); 0 for any other name.
int kindOffset(std::string_view kindName);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
// scalepaint's own display palette: a 6 × 6 × 6 colour cube (0-214, entry 0 white), red,
// green, blue and grey ramps of ten (215-254) and black (255).
std::array<Rgb, 256> displayPalette();

// The drawing: 350 × 350 pixels, each 0xAARRGGBB; alpha 0 where nothing was drawn.
struct PreviewImage {
  static constexpr int kSize = 350;
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kSize * kSize, 0);
  std::size_t drawn = 0;  // pixels drawn (inside the surface or not)
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * kSize + x]; }
};

struct FrameInfo {
  std::uint16_t width = 0, height = 0;
};

// The first frame of the source's first animation, recoloured through table (entry 0 taken as
// 0), pixel (x, y) of the stream drawn at surface pixel (x + 2, y + 2); the first row starts at
// column 120 + the kind's offset, every row wraps at 120 + the frame's width and later rows
// start at 120; row 0 is 100. Nothing is drawn without an animation set or when the first
// frame does not lie wholly inside the set and the data; a run past its stream ends the
// drawing.
PreviewImage drawPreview(const PreviewSource& source, const Table& table);

// The first frame's size, when there is one to draw.
std::optional<FrameInfo> firstFrameInfo(const PreviewSource& source);

}  // namespace scalepaint
