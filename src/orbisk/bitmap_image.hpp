#pragma once
// A listed bitmap as Qt's picture for the preview window, decoded by the same decoder as the
// command line's preview (bitmap_preview.hpp).
#include <QImage>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "image/bmp_decode.hpp"

namespace orbisk {

// The decoded pixels as Qt's picture.
QImage toQImage(const image::Picture& picture);

// Fails with the message decodeListedBitmap gives.
base::Result<QImage> decodeBitmap(base::ByteSpan bytes);

}  // namespace orbisk
