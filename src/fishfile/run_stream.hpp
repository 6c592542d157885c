#pragma once
// Run-length coding of fish frames. A frame's pixels are taken top row first, each row from
// its rightmost pixel to its leftmost ("stream order"); index 0 is transparent. Each run
// starts with a two-byte count, low byte first:
//  - literal run: high byte 0 and low byte n >= 1, or high byte 1-127 (n = high × 256 + low,
//    as the builder writes runs longer than 255): n pixel bytes follow;
//  - anything else is a skip run of 256 - low pixels (1-256): one value byte follows.
#include <cstddef>
#include <cstdint>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace fishfile {

constexpr std::size_t kMaxSkipRun = 251;         // the longest skip run the builder writes
constexpr std::size_t kMaxLiteralRun = 32'767;   // longer would read back as a skip run
constexpr std::size_t kMaxRuns = 32'767;         // the run count is a signed 16-bit number
constexpr std::size_t kMaxStreamLength = 65'535; // the stream length is 16-bit

struct EncodedStream {
  base::Bytes bytes;
  std::uint16_t runs = 0;
};

// Encodes stream-ordered pixels: transparent spans as skip runs of at most 251 pixels; opaque
// spans, with any lone transparent pixel between opaque ones, as literal runs of at most
// 32,767 pixels. Refuses a frame whose runs or stream length do not fit their 16-bit fields.
base::Result<EncodedStream> encodeRunStream(base::ByteSpan pixels);

// The most pixels a stream of `streamLength` bytes can describe; a frame claiming more is
// malformed, whatever its runs say.
constexpr std::size_t maxPixelsInStream(std::size_t streamLength) { return (streamLength / 3 + 1) * 256; }

// Decodes a stream into exactly pixelCount pixels in stream order. A run that goes past the
// stream, or a stream holding more or fewer pixels than pixelCount, is an error. A single
// byte left at the end of the stream is ignored, as readers have always done.
base::Result<base::Bytes> decodeRunStream(base::ByteSpan stream, std::size_t pixelCount);
// The same into a buffer of exactly pixelCount bytes that the caller owns.
base::Result<void> decodeRunStreamInto(base::ByteSpan stream, std::span<std::uint8_t> pixels);

// Conversions between stream order and the usual order (top row first, left to right).
base::Bytes toStreamOrder(base::ByteSpan pixels, std::size_t width, std::size_t height);
base::Bytes fromStreamOrder(base::ByteSpan stream, std::size_t width, std::size_t height);

}  // namespace fishfile
