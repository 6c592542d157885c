#include "fishfile/frame_record.hpp"

#include <algorithm>

#include "base/reader.hpp"
#include "base/strcat.hpp"

namespace fishfile {

base::Result<FrameView> readFrameRecord(base::ByteSpan data, std::size_t at) {
  if (!base::fits(data, at, kFrameHeaderSize)) return base::fail("its header runs past the end of the file");
  const std::uint8_t* h = data.data() + at;
  FrameView frame{base::getU16(h + 6), base::getU16(h + 4), base::getU16(h + 8), {}};
  const std::uint16_t length = base::getU16(h + 10);
  if (!base::fits(data, at + kFrameHeaderSize, length))
    return base::fail(base::strcat("its run stream of ", length, " bytes runs past the end of the file"));
  frame.stream = data.subspan(at + kFrameHeaderSize, length);
  return frame;
}

base::Bytes makeFrameRecord(std::uint16_t width, std::uint16_t height, const EncodedStream& stream) {
  base::Bytes record(kFrameHeaderSize + stream.bytes.size(), 0);
  base::putU16(&record[4], height);
  base::putU16(&record[6], width);
  base::putU16(&record[8], stream.runs);
  base::putU16(&record[10], static_cast<std::uint32_t>(stream.bytes.size()));
  std::copy(stream.bytes.begin(), stream.bytes.end(), record.begin() + kFrameHeaderSize);
  return record;
}

}  // namespace fishfile
