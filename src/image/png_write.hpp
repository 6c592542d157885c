#pragma once
// A picture as PNG bytes, without Qt: 8-bit RGB, or RGBA when the picture has an alpha
// channel, every row unfiltered and the whole compressed through zlib.
#include "base/bytes.hpp"
#include "base/error.hpp"
#include "image/bmp_decode.hpp"

namespace image {

base::Result<base::Bytes> pngBytes(const Picture& picture);

}  // namespace image
