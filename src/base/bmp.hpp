#pragma once
// Windows bitmap files: reading the headers of any bitmap, writing uncompressed 8-bit ones.
#include <array>
#include <cstdint>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};
using Palette = std::array<Rgb, 256>;

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
constexpr std::uint32_t kBmp8BitPixelOffset = 14 + 40 + 256 * 4;  // 1078

struct BmpInfo {
  std::uint32_t fileSize = 0;     // bytes 2-5, as the file states it
  std::uint32_t pixelOffset = 0;  // bytes 10-13
  std::uint32_t headerSize = 0;   // bytes 14-17
  std::int32_t width = 0;         // bytes 18-21
  std::int32_t height = 0;        // bytes 22-25; negative for a top-down bitmap
  std::uint16_t bitCount = 0;     // bytes 28-29
  std::uint32_t compression = 0;  // bytes 30-33; 0 is uncompressed
};

// Reads the file header and the 40-byte (or longer) info header. Refuses data that does not
// start with "BM" or is too short for the headers.
Result<BmpInfo> readBmpInfo(ByteSpan file);

// Bytes in one stored pixel row of an 8-bit bitmap: the width rounded up to a multiple of 4.
inline std::uint32_t rowStride8(std::uint32_t width) { return (width + 3) & ~3u; }

// A bottom-up, uncompressed 8-bit bitmap with a 256-entry palette: the 14-byte file header,
// a 40-byte info header (1 plane, 8 bits, image size, 3780 pixels per metre both ways, other
// fields 0), the palette as blue, green, red, 0, and the rows bottom row first, each padded
// with zeros to a multiple of 4. `pixels` holds width × height indices, top row first, each
// row left to right.
Bytes write8BitBmp(std::uint32_t width, std::uint32_t height, const Palette& palette, ByteSpan pixels);

// The palette indices of an uncompressed 8-bit bitmap, top row first, each row left to right.
// The rows are read from the pixel-data offset; top-down bitmaps are handled.
Result<Bytes> read8BitPixels(ByteSpan file);

}  // namespace base
