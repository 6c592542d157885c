#include "orbisk/bitmap_image.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <climits>

namespace orbisk {

base::Result<QImage> decodeBitmap(base::ByteSpan bytes) {
  if (bytes.size() > INT_MAX) return base::fail("The bitmap is too large to show.");
  const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "BMP");
  QImage image = reader.read();
  if (image.isNull()) return base::fail("The bitmap cannot be decoded: " + reader.errorString().toStdString() + ".");
  return image;
}

base::Result<base::Bytes> pngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return base::fail("The picture cannot be coded as PNG.");
  return base::Bytes(png.begin(), png.end());
}

}  // namespace orbisk
