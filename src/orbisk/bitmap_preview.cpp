#include "orbisk/bitmap_preview.hpp"

namespace orbisk {

base::Result<image::Picture> decodeListedBitmap(base::ByteSpan bytes) {
  auto picture = image::decodeBmp(bytes);
  if (picture) return std::move(*picture);
  // A bitmap of an unknown layout or with broken headers has always been refused in these words.
  if (picture.error().kind == image::BmpError::Kind::Unreadable)
    return base::fail("The bitmap cannot be decoded: Unable to read image data.");
  return base::fail("The bitmap cannot be decoded: " + picture.error().message + ".");
}

}  // namespace orbisk
