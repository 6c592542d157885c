#include "orbisk/bitmap_image.hpp"

#include "orbisk/bitmap_preview.hpp"

namespace orbisk {

QImage toQImage(const image::Picture& picture) {
  QImage qimage(picture.width, picture.height, picture.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(qimage.scanLine(y));
    for (int x = 0; x < picture.width; ++x) line[x] = picture.at(x, y);
  }
  return qimage;
}

base::Result<QImage> decodeBitmap(base::ByteSpan bytes) {
  auto picture = decodeListedBitmap(bytes);
  if (!picture) return std::unexpected(picture.error());
  return toQImage(*picture);
}

}  // namespace orbisk
