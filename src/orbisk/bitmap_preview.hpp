#pragma once
// A listed bitmap decoded for the preview, without Qt: the window shows it, the command line
// writes it as PNG. Any bitmap the decoder reads, run-length compressed ones included.
#include "base/bytes.hpp"
#include "base/error.hpp"
#include "image/bmp_decode.hpp"

namespace orbisk {

// Fails with "The bitmap cannot be decoded: …" and the reason.
base::Result<image::Picture> decodeListedBitmap(base::ByteSpan bytes);

}  // namespace orbisk
