#include "fishfile/frame_record.hpp"

#include <algorithm>

#include "base/reader.hpp"
#include "base/strcat.hpp"

namespace fishfile {

base::Result<FrameView> readFrameRecord(base::ByteSpan data, std::size_t at) {
  base::Reader header(data, at + 4);
  auto height = header.u16(), width = header.u16(), runs = header.u16(), length = header.u16();
  if (!base::fits(data, at, kFrameHeaderSize) || !height || !width || !runs || !length)
    return base::fail("its header runs past the end of the file");
  if (!base::fits(data, at + kFrameHeaderSize, *length))
    return base::fail(base::strcat("its run stream of ", *length, " bytes runs past the end of the file"));
  return FrameView{*width, *height, *runs, data.subspan(at + kFrameHeaderSize, *length)};
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
