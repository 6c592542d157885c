#include "base/bmp.hpp"

#include <cstdlib>

#include "base/reader.hpp"
#include "base/strcat.hpp"

namespace base {

Result<BmpInfo> readBmpInfo(ByteSpan file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return fail("The file is not a bitmap (it does not start with \"BM\").");
  if (file.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize)
    return fail(strcat("The bitmap is too short for its headers (", file.size(), " bytes)."));
  // Every field lies inside the headers' length just checked.
  auto u32 = [&](std::size_t at) { return readU32(file, at, "bitmap header").value_or(0); };
  BmpInfo info;
  info.fileSize = u32(2);
  info.pixelOffset = u32(10);
  info.headerSize = u32(14);
  info.width = static_cast<std::int32_t>(u32(18));
  info.height = static_cast<std::int32_t>(u32(22));
  info.bitCount = readU16(file, 28, "bitmap header").value_or(0);
  info.compression = u32(30);
  if (info.headerSize < kBmpInfoHeaderSize)
    return fail(strcat("The bitmap has an old-style header of ", info.headerSize, " bytes; only 40-byte or longer headers are read."));
  return info;
}

Bytes write8BitBmp(std::uint32_t width, std::uint32_t height, const Palette& palette, ByteSpan pixels) {
  const std::uint32_t stride = rowStride8(width);
  const std::uint32_t imageSize = stride * height;
  Bytes out(kBmp8BitPixelOffset + imageSize, 0);
  std::uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  putU32(p + 2, static_cast<std::uint32_t>(out.size()));
  putU32(p + 10, kBmp8BitPixelOffset);
  putU32(p + 14, kBmpInfoHeaderSize);
  putU32(p + 18, width);
  putU32(p + 22, height);
  putU16(p + 26, 1);
  putU16(p + 28, 8);
  putU32(p + 34, imageSize);
  putU32(p + 38, 3780);
  putU32(p + 42, 3780);
  for (std::size_t i = 0; i < 256; ++i) {
    p[54 + 4 * i] = palette[i].blue;
    p[55 + 4 * i] = palette[i].green;
    p[56 + 4 * i] = palette[i].red;
  }
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* src = pixels.data() + static_cast<std::size_t>(y) * width;
    std::uint8_t* dst = p + kBmp8BitPixelOffset + static_cast<std::size_t>(height - 1 - y) * stride;
    std::copy(src, src + width, dst);
  }
  return out;
}

Result<Bytes> read8BitPixels(ByteSpan file) {
  auto info = readBmpInfo(file);
  if (!info) return std::unexpected(info.error());
  if (info->bitCount != 8) return fail(strcat("The bitmap has ", info->bitCount, " bits per pixel, not 8."));
  if (info->compression != 0) return fail("The bitmap is compressed.");
  if (info->width < 0) return fail("The bitmap has a negative width.");
  const std::uint64_t width = static_cast<std::uint32_t>(info->width);
  const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(info->height));
  const std::uint64_t stride = (width + 3) & ~std::uint64_t{3};
  if (info->pixelOffset > file.size() || stride * height > file.size() - info->pixelOffset)
    return fail(strcat("The bitmap is too short for its ", width, " × ", height, " pixels."));
  Bytes pixels(width * height);
  for (std::uint64_t y = 0; y < height; ++y) {
    const std::uint64_t storedRow = info->height < 0 ? y : height - 1 - y;
    const std::uint8_t* src = file.data() + info->pixelOffset + storedRow * stride;
    std::copy(src, src + width, pixels.data() + y * width);
  }
  return pixels;
}

}  // namespace base
