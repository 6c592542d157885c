#pragma once
// Any Windows bitmap decoded to 32-bit pixels, without Qt: 1, 4 and 8 bits a pixel with a
// palette (8 and 4 also run-length compressed), 16, 24 and 32 bits (with bit-field masks too),
// bottom-up and top-down. Every read is checked against the data and the picture's size is
// capped before anything is allocated, so a malformed bitmap is an error value, never a read
// outside the data.
#include <cstdint>
#include <expected>
#include <string>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace image {

// 0xAARRGGBB pixels, top row first, each row left to right.
struct Picture {
  int width = 0, height = 0;
  bool alpha = false;  // the bitmap has an alpha mask: pixels may be transparent
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// No larger picture is decoded (256 MiB of pixels).
inline constexpr std::uint64_t kMaxBmpPixels = 64u << 20;

struct BmpError {
  enum class Kind {
    Unreadable,  // not a bitmap this decoder reads: bad headers, an unknown layout
    Truncated,   // the pixels or their codes end before the picture is whole
    TooLarge,    // more than kMaxBmpPixels pixels
  };
  Kind kind;
  std::string message;
};

std::expected<Picture, BmpError> decodeBmp(base::ByteSpan file);

}  // namespace image
