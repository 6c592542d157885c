#pragma once
// A frame record: a 14-byte header (0, height, width, run count, stream length, 0; u16 each
// but the first, which is u32) followed by the run stream.
#include <cstddef>
#include <cstdint>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/run_stream.hpp"

namespace fishfile {

constexpr std::size_t kFrameHeaderSize = 14;

struct FrameView {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint16_t runs = 0;
  base::ByteSpan stream;
  std::size_t recordSize() const { return kFrameHeaderSize + stream.size(); }
};

// The record at `at`: its header and its stream must lie inside data.
base::Result<FrameView> readFrameRecord(base::ByteSpan data, std::size_t at);

base::Bytes makeFrameRecord(std::uint16_t width, std::uint16_t height, const EncodedStream& stream);

}  // namespace fishfile
