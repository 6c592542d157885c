#include "scalepaint/preview_png.hpp"

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "image/png_write.hpp"

namespace scalepaint {

base::Result<void> writePreviewPng(const PreviewImage& image, const std::filesystem::path& path) {
  // Every pixel is either drawn (opaque) or not (the white surface shows).
  image::Picture surface;
  surface.width = surface.height = PreviewImage::kSize;
  surface.pixels.reserve(static_cast<std::size_t>(PreviewImage::kSize) * PreviewImage::kSize);
  for (int y = 0; y < PreviewImage::kSize; ++y)
    for (int x = 0; x < PreviewImage::kSize; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      surface.pixels.push_back((pixel >> 24) != 0 ? pixel | 0xFF000000u : 0xFFFFFFFFu);
    }
  auto png = image::pngBytes(surface);
  if (!png) return base::fail(base::strcat("Cannot make the PNG picture for ", base::displayPath(path), "."));
  return base::writeFileAtomically(path, *png);
}

}  // namespace scalepaint
