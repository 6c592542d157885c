#pragma once
// A reader that can never read outside its data: every read is checked first and a short
// read is an error value naming what was being read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base {

class Reader {
 public:
  explicit Reader(ByteSpan data, std::size_t position = 0) : data_(data), pos_(position) {}

  std::size_t position() const { return pos_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return pos_ <= data_.size() ? data_.size() - pos_ : 0; }
  bool atEnd() const { return remaining() == 0; }

  Result<void> seek(std::size_t position, std::string_view what = "data");
  Result<void> skip(std::size_t count, std::string_view what = "data");
  Result<std::uint8_t> u8(std::string_view what = "data");
  Result<std::uint16_t> u16(std::string_view what = "data");
  Result<std::uint32_t> u24(std::string_view what = "data");
  Result<std::uint32_t> u32(std::string_view what = "data");
  Result<std::uint16_t> u16be(std::string_view what = "data");
  Result<std::uint32_t> u32be(std::string_view what = "data");
  Result<ByteSpan> bytes(std::size_t count, std::string_view what = "data");
  // Bytes up to a zero byte; the position moves past the zero.
  Result<std::string> zeroTerminated(std::string_view what = "text");

 private:
  Result<void> need(std::size_t count, std::string_view what) const;

  ByteSpan data_;
  std::size_t pos_;
};

// One-off checked reads at an absolute offset.
Result<std::uint16_t> readU16(ByteSpan data, std::size_t at, std::string_view what = "data");
Result<std::uint32_t> readU32(ByteSpan data, std::size_t at, std::string_view what = "data");
Result<std::uint16_t> readU16Be(ByteSpan data, std::size_t at, std::string_view what = "data");
Result<std::uint32_t> readU32Be(ByteSpan data, std::size_t at, std::string_view what = "data");
// True when [at, at + count) lies inside data, without overflow.
inline bool fits(ByteSpan data, std::size_t at, std::size_t count) {
  return at <= data.size() && count <= data.size() - at;
}

}  // namespace base
