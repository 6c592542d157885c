// The preview's bitmap decoding on any bytes: every bitmap the scan finds, cut from the file as
// the preview reads it, is decoded as the decoder decodes it, a picture of width × height
// pixels, opaque unless the bitmap has an alpha mask; a refusal is the preview's sentence with
// the decoder's reason and one full stop.
#include <algorithm>

#include "fuzz_support.hpp"
#include "image/bmp_decode.hpp"
#include "orbisk/bitmap_preview.hpp"
#include "orbisk/scan.hpp"

using fuzz::require;

namespace {

void checkDecoding(base::ByteSpan bytes) {
  auto listed = orbisk::decodeListedBitmap(bytes);
  // A picture of up to 256 MiB may come from a few bytes of run-length codes: it is decoded a
  // second time to compare only when it is small.
  if (listed && listed->pixels.size() > (1u << 20)) {
    require(listed->pixels.size() == static_cast<std::size_t>(listed->width) * static_cast<std::size_t>(listed->height));
    return;
  }
  auto decoded = image::decodeBmp(bytes);
  require(decoded.has_value() == listed.has_value());
  if (listed) {
    require(listed->width == decoded->width && listed->height == decoded->height && listed->alpha == decoded->alpha &&
            listed->pixels == decoded->pixels);
    require(listed->pixels.size() == static_cast<std::size_t>(listed->width) * static_cast<std::size_t>(listed->height));
    if (!listed->alpha)
      require(std::all_of(listed->pixels.begin(), listed->pixels.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; }));
    return;
  }
  const std::string& message = listed.error().message;
  require(message.starts_with("The bitmap cannot be decoded: ") && message.ends_with(".") && !message.ends_with(".."));
  if (decoded.error().kind == image::BmpError::Kind::Unreadable)
    require(message == "The bitmap cannot be decoded: Unable to read image data.");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const base::ByteSpan file(data, size);
  checkDecoding(file);
  const auto found = orbisk::scanBytes(file, "fuzz.bmp", orbisk::Kind::Bitmap);
  std::size_t decoded = 0;
  for (const auto& resource : found.resources) {
    if (resource.start == 0) continue;  // decoded above
    const std::uint64_t present = std::min<std::uint64_t>(resource.size, size - resource.start);
    checkDecoding(file.subspan(resource.start, present));
    if (++decoded == 4) break;
  }
  return 0;
}
