#pragma once
// A listed bitmap decoded for showing or for a PNG: any bitmap Qt reads, run-length
// compressed ones included. Needs Qt's Gui module, not a display.
#include <QImage>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace orbisk {

// Fails with a message when Qt cannot decode the bytes as a bitmap.
base::Result<QImage> decodeBitmap(base::ByteSpan bytes);

// The image as PNG bytes.
base::Result<base::Bytes> pngBytes(const QImage& image);

}  // namespace orbisk
