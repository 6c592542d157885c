#include "gravelfile/gravelfile.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "base/strcat.hpp"
#include "resfile/resfile.hpp"

namespace gravelfile {

namespace {

// Header bytes 16-31 of gritwright's files.
constexpr std::array<std::uint8_t, 16> kHeaderConstants = {
    'r', 'G', 'r', 'B',  // 16
    0xDC, 0x05, 0, 0,    // 20: 1500
    1, 0,                // 24
    2, 0,                // 26
    1, 0,                // 28
    0xFF, 0xFF,          // 30
};

constexpr std::size_t kBitmapSizeFieldEnd = 6;  // bytes 2-5 hold a bitmap's own byte count
constexpr std::size_t kHeaderTextRoom = resfile::kHeaderSize - 16;

base::Result<void> checkBitmap(base::ByteSpan bitmap, std::string_view side) {
  if (bitmap.size() < kBitmapSizeFieldEnd)
    return base::fail(base::strcat("The ", side, " bitmap is ", bitmap.size(),
                                   " bytes long, too short to hold its size field (bytes 2-5)."));
  return {};
}

base::Result<base::Bytes> build(base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                                std::uint16_t length, const std::array<std::uint8_t, 16>& headerConstants) {
  if (auto ok = checkBitmap(surface, "surface"); !ok) return std::unexpected(ok.error());
  if (auto ok = checkBitmap(aspect, "aspect"); !ok) return std::unexpected(ok.error());
  // Refuse before copying anything large: 256 + 20 bytes of block counts and dimensions plus
  // the 109-byte map must stay within the 24-bit offsets.
  const std::size_t total = std::size_t{resfile::kHeaderSize} + 20 + surface.size() + aspect.size() + 109;
  if (surface.size() > resfile::kMaxFileSize || aspect.size() > resfile::kMaxFileSize || total > resfile::kMaxFileSize)
    return base::fail(base::strcat("The gravel file would be ", surface.size() + aspect.size() + 385,
                                   " bytes long; gravel files end below 16,777,216 bytes."));

  resfile::Writer writer(headerConstants);
  base::Bytes dimensions(8, 0);
  base::putU16(&dimensions[0], height);
  base::putU16(&dimensions[2], length);
  const std::uint32_t dimensionsAt = writer.append(dimensions);
  const std::uint32_t surfaceAt = writer.appendBitmap(surface);
  const std::uint32_t aspectAt = writer.appendBitmap(aspect);

  auto entry = [](std::optional<std::string> name, std::uint32_t at) {
    return resfile::ReferenceSpec{kResourceNumber, std::move(name), at};
  };
  resfile::MapSpec map;
  map.types = {
      {resfile::ResourceType::fromCode("Grvl"), {entry(std::string(kInfoName), dimensionsAt)}},
      {resfile::ResourceType::fromCode("BADP"), {entry(std::nullopt, surfaceAt)}},
      {resfile::ResourceType::fromCode("BAPC"), {entry(std::nullopt, aspectAt)}},
  };
  return std::move(writer).finish(map);
}

}  // namespace

std::uint16_t clampDimension(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
  return static_cast<std::uint16_t>(std::clamp(rounded, 0.0, 65535.0));
}

base::Result<base::Bytes> buildGravelFile(base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                                          std::uint16_t length) {
  return build(surface, aspect, height, length, kHeaderConstants);
}

base::Result<base::Bytes> buildGravelFile(base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                                          std::uint16_t length, std::string_view headerText) {
  if (headerText.size() > kHeaderTextRoom)
    return base::fail(base::strcat("The header text is ", headerText.size(), " bytes long; the header holds ",
                                   kHeaderTextRoom, "."));
  auto file = build(surface, aspect, height, length, {});
  if (!file) return file;
  std::copy(headerText.begin(), headerText.end(), file->begin() + 16);
  return file;
}

}  // namespace gravelfile
