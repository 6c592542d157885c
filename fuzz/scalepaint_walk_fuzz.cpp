// scalepaint's resource walk on any bytes: every resource it reaches, the animation-set test,
// and PreView's search for the first set and the kind name, with the drawing of its first
// frame.
#include <cstddef>
#include <cstdint>

#include "scalepaint/preview.hpp"
#include "scalepaint/recolour.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::ByteSpan bytes(data, size);
  scalepaint::ResourceWalk walk(bytes);
  std::size_t sets = 0;
  while (auto resource = walk.next()) sets += scalepaint::isAnimationSet(bytes, *resource);
  const auto source = scalepaint::locatePreview(base::Bytes(bytes.begin(), bytes.end()));
  (void)scalepaint::firstFrameInfo(source);
  const auto image = scalepaint::drawPreview(source, scalepaint::identityTable());
  (void)image;
  (void)sets;
  return 0;
}
