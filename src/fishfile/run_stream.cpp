#include "fishfile/run_stream.hpp"

#include <algorithm>
#include <cstring>

#include "base/strcat.hpp"

namespace fishfile {

using base::Bytes;
using base::ByteSpan;
using base::fail;
using base::strcat;

base::Result<EncodedStream> encodeRunStream(ByteSpan p) {
  const std::size_t n = p.size();
  EncodedStream out;
  std::size_t runs = 0;
  std::size_t pos = 0;
  while (pos < n) {
    std::size_t skip = 0;
    while (pos < n && p[pos] == 0 && skip < kMaxSkipRun) ++pos, ++skip;
    if (skip > 0) {
      out.bytes.push_back(static_cast<std::uint8_t>(256 - skip));
      out.bytes.push_back(255);
      out.bytes.push_back(0);
      ++runs;
    }
    if (pos == n) break;
    // A lone transparent pixel between opaque ones stays in the literal run.
    const std::size_t start = pos;
    while (pos < n && pos - start < kMaxLiteralRun && (p[pos] != 0 || (pos + 1 < n && p[pos + 1] != 0))) ++pos;
    const std::size_t literal = pos - start;
    if (literal > 0) {
      out.bytes.push_back(static_cast<std::uint8_t>(literal & 0xFF));
      out.bytes.push_back(static_cast<std::uint8_t>(literal >> 8));
      out.bytes.insert(out.bytes.end(), p.begin() + static_cast<std::ptrdiff_t>(start), p.begin() + static_cast<std::ptrdiff_t>(pos));
      ++runs;
    }
  }
  if (runs > kMaxRuns) return fail(strcat("The frame needs ", runs, " runs; at most 32,767 fit a frame record."));
  if (out.bytes.size() > kMaxStreamLength)
    return fail(strcat("The frame's run stream is ", out.bytes.size(), " bytes long; at most 65,535 fit a frame record."));
  out.runs = static_cast<std::uint16_t>(runs);
  return out;
}

base::Result<Bytes> decodeRunStream(ByteSpan stream, std::size_t pixelCount) {
  const std::size_t length = stream.size();
  if (pixelCount > maxPixelsInStream(length))
    return fail(strcat("its stream of ", length, " bytes cannot hold ", pixelCount, " pixels"));
  Bytes out(pixelCount);
  std::size_t filled = 0;
  std::size_t q = 0;
  while (q + 2 <= length) {
    const std::uint8_t lo = stream[q];
    const std::uint8_t hi = stream[q + 1];
    if ((hi == 0 && lo != 0) || (hi >= 1 && hi <= 127)) {
      const std::size_t run = hi * 256u + lo;
      if (run > length - q - 2) return fail(strcat("a literal run of ", run, " pixels at stream byte ", q, " runs past the end of the stream"));
      if (run > pixelCount - filled) return fail(strcat("its stream holds more than the ", pixelCount, " pixels of the frame"));
      std::memcpy(out.data() + filled, stream.data() + q + 2, run);
      filled += run;
      q += run + 2;
    } else {
      const std::size_t run = 256u - lo;
      if (q + 2 >= length) return fail(strcat("the skip run at stream byte ", q, " has no value byte"));
      if (run > pixelCount - filled) return fail(strcat("its stream holds more than the ", pixelCount, " pixels of the frame"));
      std::memset(out.data() + filled, stream[q + 2], run);
      filled += run;
      q += 3;
    }
  }
  if (filled != pixelCount) return fail(strcat("its stream holds ", filled, " pixels, not the ", pixelCount, " of the frame"));
  return out;
}

Bytes toStreamOrder(ByteSpan pixels, std::size_t width, std::size_t height) {
  Bytes out(width * height);
  for (std::size_t y = 0; y < height; ++y)
    std::reverse_copy(pixels.begin() + static_cast<std::ptrdiff_t>(y * width),
                      pixels.begin() + static_cast<std::ptrdiff_t>((y + 1) * width), out.begin() + static_cast<std::ptrdiff_t>(y * width));
  return out;
}

Bytes fromStreamOrder(ByteSpan stream, std::size_t width, std::size_t height) {
  return toStreamOrder(stream, width, height);  // reversing each row is its own inverse
}

}  // namespace fishfile
