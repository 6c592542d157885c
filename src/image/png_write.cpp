#include "image/png_write.hpp"

#include <zlib.h>

#include <climits>
#include <string_view>

namespace image {

namespace {

void appendU32BigEndian(base::Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendChunk(base::Bytes& out, std::string_view type, base::ByteSpan data) {
  appendU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32_z(crc, out.data() + typeAt, out.size() - typeAt);
  appendU32BigEndian(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

base::Result<base::Bytes> pngBytes(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
    return base::fail("The picture cannot be coded as PNG.");
  const std::size_t channels = picture.alpha ? 4 : 3;
  const std::size_t width = static_cast<std::size_t>(picture.width);
  // Each row: filter type 0, then the pixels as red, green, blue (, alpha).
  base::Bytes raw;
  raw.reserve((1 + width * channels) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y) {
    raw.push_back(0);
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint32_t pixel = picture.pixels[static_cast<std::size_t>(y) * width + x];
      raw.push_back(static_cast<std::uint8_t>(pixel >> 16));
      raw.push_back(static_cast<std::uint8_t>(pixel >> 8));
      raw.push_back(static_cast<std::uint8_t>(pixel));
      if (picture.alpha) raw.push_back(static_cast<std::uint8_t>(pixel >> 24));
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  base::Bytes packed(packedSize);
  if (raw.size() > ULONG_MAX || compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
    return base::fail("The picture cannot be coded as PNG.");
  packed.resize(packedSize);

  base::Bytes header;
  appendU32BigEndian(header, static_cast<std::uint32_t>(picture.width));
  appendU32BigEndian(header, static_cast<std::uint32_t>(picture.height));
  header.push_back(8);                          // bits a channel
  header.push_back(picture.alpha ? 6 : 2);      // colour type: RGBA or RGB
  header.insert(header.end(), {0, 0, 0});       // deflate, adaptive filtering, no interlace

  base::Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", packed);
  appendChunk(png, "IEND", {});
  return png;
}

}  // namespace image
