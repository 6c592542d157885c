// scalepaint's resource walk on any bytes: every resource it reaches, the animation-set test,
// and PreView's search for the first set and the kind name, with the drawing of its first
// frame. The drawing is asked for only when there is a frame to draw: without one it is an
// empty 350 × 350 surface, whose allocation would cost more than the rest of the run.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.hpp"
#include "scalepaint/preview.hpp"
#include "scalepaint/recolour.hpp"

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::ByteSpan bytes(data, size);
  scalepaint::ResourceWalk walk(bytes);
  while (auto resource = walk.next()) {
    require(resource->dataStart <= size);
    (void)scalepaint::isAnimationSet(bytes, *resource);
  }
  const auto source = scalepaint::locatePreview(base::Bytes(bytes.begin(), bytes.end()));
  const auto frame = scalepaint::firstFrameInfo(source);
  if (frame) {
    require(source.setStart.has_value());
    const auto image = scalepaint::drawPreview(source, scalepaint::identityTable());
    // Drawn pixels are opaque and lie right of column 122 and below row 102.
    std::size_t shown = 0;
    for (int y = 0; y < scalepaint::PreviewImage::kSize; ++y)
      for (int x = 0; x < scalepaint::PreviewImage::kSize; ++x) {
        const std::uint32_t pixel = image.at(x, y);
        if (pixel == 0) continue;
        require(pixel >> 24 == 0xFF && x >= 122 && y >= 102);
        ++shown;
      }
    require(shown <= image.drawn);
  }
  return 0;
}
