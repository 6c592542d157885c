#include "scalepaint/preview_png.hpp"

#include <QBuffer>
#include <QByteArray>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace scalepaint {

QImage previewQImage(const PreviewImage& image) {
  QImage picture(PreviewImage::kSize, PreviewImage::kSize, QImage::Format_ARGB32);
  for (int y = 0; y < PreviewImage::kSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < PreviewImage::kSize; ++x) line[x] = image.at(x, y);
  }
  return picture;
}

base::Result<void> writePreviewPng(const PreviewImage& image, const std::filesystem::path& path) {
  // Every pixel is either drawn (opaque) or not (the white surface shows).
  QImage surface(PreviewImage::kSize, PreviewImage::kSize, QImage::Format_RGB32);
  for (int y = 0; y < PreviewImage::kSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(surface.scanLine(y));
    for (int x = 0; x < PreviewImage::kSize; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      line[x] = (pixel >> 24) != 0 ? pixel : 0xFFFFFFFFu;
    }
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!surface.save(&buffer, "PNG"))
    return base::fail(base::strcat("Cannot make the PNG picture for ", base::displayPath(path), "."));
  return base::writeFileAtomically(
      path, base::ByteSpan(reinterpret_cast<const std::uint8_t*>(png.constData()), static_cast<std::size_t>(png.size())));
}

}  // namespace scalepaint
