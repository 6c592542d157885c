#include "scalepaint/preview_qimage.hpp"

namespace scalepaint {

QImage previewQImage(const PreviewImage& image) {
  QImage picture(PreviewImage::kSize, PreviewImage::kSize, QImage::Format_ARGB32);
  for (int y = 0; y < PreviewImage::kSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < PreviewImage::kSize; ++x) line[x] = image.at(x, y);
  }
  return picture;
}

}  // namespace scalepaint
