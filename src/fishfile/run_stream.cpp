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
  if (pixelCount > maxPixelsInStream(stream.size()))
    return fail(strcat("its stream of ", stream.size(), " bytes cannot hold ", pixelCount, " pixels"));
  Bytes out(pixelCount);
  if (auto ok = decodeRunStreamInto(stream, out); !ok) return std::unexpected(ok.error());
  return out;
}

namespace {

// The messages live out of the decoding loop, which stays small and fast.
enum class StreamFault { LiteralPastEnd, NoValueByte, TooManyPixels, TooFewPixels };

[[gnu::noinline, gnu::cold]] base::Error streamFault(StreamFault fault, std::size_t at, std::size_t run,
                                                     std::size_t filled, std::size_t pixelCount) {
  switch (fault) {
    case StreamFault::LiteralPastEnd:
      return {strcat("a literal run of ", run, " pixels at stream byte ", at, " runs past the end of the stream")};
    case StreamFault::NoValueByte:
      return {strcat("the skip run at stream byte ", at, " has no value byte")};
    case StreamFault::TooManyPixels:
      return {strcat("its stream holds more than the ", pixelCount, " pixels of the frame")};
    case StreamFault::TooFewPixels:
      break;
  }
  return {strcat("its stream holds ", filled, " pixels, not the ", pixelCount, " of the frame")};
}

// Runs are short (tens of pixels), so where the buffers have room past the run, whole
// 16-byte blocks are moved instead of calling into the library for each run; the bytes
// written past the run are overwritten by the runs that follow.
constexpr std::size_t kBlock = 16;

inline void copyRun(std::uint8_t* dst, const std::uint8_t* src, std::size_t run, std::size_t slack) {
  if (run + kBlock <= slack) {
    for (std::size_t done = 0; done < run; done += kBlock) std::memcpy(dst + done, src + done, kBlock);
  } else {
    std::memcpy(dst, src, run);
  }
}

inline void fillRun(std::uint8_t* dst, std::uint8_t value, std::size_t run, std::size_t slack) {
  if (run + kBlock <= slack) {
    for (std::size_t done = 0; done < run; done += kBlock) std::memset(dst + done, value, kBlock);
  } else {
    std::memset(dst, value, run);
  }
}

}  // namespace

base::Result<void> decodeRunStreamInto(ByteSpan stream, std::span<std::uint8_t> out) {
  const std::uint8_t* const in = stream.data();
  const std::size_t length = stream.size();
  const std::size_t pixelCount = out.size();
  std::uint8_t* dst = out.data();
  std::size_t room = pixelCount;
  std::size_t q = 0;
  while (q + 2 <= length) {
    const std::uint8_t lo = in[q];
    const std::uint8_t hi = in[q + 1];
    if (hi < 128 && (hi | lo) != 0) {
      const std::size_t run = hi * 256u + lo;
      if (run > length - q - 2) [[unlikely]]
        return std::unexpected(streamFault(StreamFault::LiteralPastEnd, q, run, 0, pixelCount));
      if (run > room) [[unlikely]]
        return std::unexpected(streamFault(StreamFault::TooManyPixels, q, run, 0, pixelCount));
      copyRun(dst, in + q + 2, run, std::min(room, length - q - 2));
      dst += run;
      room -= run;
      q += run + 2;
    } else {
      const std::size_t run = 256u - lo;
      if (q + 2 >= length) [[unlikely]]
        return std::unexpected(streamFault(StreamFault::NoValueByte, q, run, 0, pixelCount));
      if (run > room) [[unlikely]]
        return std::unexpected(streamFault(StreamFault::TooManyPixels, q, run, 0, pixelCount));
      fillRun(dst, in[q + 2], run, room);
      dst += run;
      room -= run;
      q += 3;
    }
  }
  if (room != 0) return std::unexpected(streamFault(StreamFault::TooFewPixels, q, 0, pixelCount - room, pixelCount));
  return {};
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
