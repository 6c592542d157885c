// Frame bitmaps on any bytes: either refused, or encoded into a record whose stream decodes
// back to the bitmap's pixels.
#include <cstdlib>

#include "base/bmp.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/frame_record.hpp"
#include "fishfile/run_stream.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ByteSpan bitmap(data, size);
  auto record = finwright::encodeFrameBitmap(bitmap);
  if (!record) return 0;
  auto frame = fishfile::readFrameRecord(*record, 0);
  auto pixels = base::read8BitPixels(bitmap);
  if (!frame || !pixels) std::abort();
  auto decoded = fishfile::decodeRunStream(frame->stream, pixels->size());
  if (!decoded || *decoded != fishfile::toStreamOrder(*pixels, frame->width, frame->height)) std::abort();
  return 0;
}
