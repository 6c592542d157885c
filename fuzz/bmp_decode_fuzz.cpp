// Any bytes as a bitmap: decoded within the data and the size cap, and a decoded picture
// coded as PNG.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "image/bmp_decode.hpp"
#include "image/png_write.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = image::decodeBmp({data, size});
  if (!picture) return 0;
  if (picture->pixels.size() != static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height))
    std::abort();
  if (picture->pixels.size() <= 1u << 16 && !image::pngBytes(*picture)) std::abort();
  return 0;
}
