#pragma once
// File bytes read as if zeros went on past the file's end (and lay before its start): the
// rule of the formats whose scans and fields were defined on a zero-filled buffer larger than
// the file (tanks, extended-edition tanks, fish files' animation sets). A read here never
// leaves the data and never fails; holds() tells whether bytes lie inside the file. Every
// other reading of file data goes through the checked base::Reader.
#include <cstddef>
#include <cstdint>

#include "base/bytes.hpp"

namespace base {

class ZeroExtended {
 public:
  // Signed, so that a field before a record's start, which may lie before the file's start,
  // reads 0 too.
  using Offset = std::int64_t;

  ZeroExtended() = default;
  ZeroExtended(ByteSpan data) : data_(data) {}  // NOLINT: a view of any bytes

  std::size_t size() const { return data_.size(); }
  ByteSpan bytes() const { return data_; }

  // Whether the count bytes from `at` all lie inside the data.
  bool holds(Offset at, std::size_t count = 1) const {
    return at >= 0 && static_cast<std::uint64_t>(at) <= data_.size() && count <= data_.size() - static_cast<std::size_t>(at);
  }
  // Little-endian values; every byte outside the data counts as 0.
  std::uint8_t u8(Offset at) const { return holds(at) ? data_[static_cast<std::size_t>(at)] : 0; }
  std::uint16_t u16(Offset at) const { return static_cast<std::uint16_t>(u8(at) | (u8(next(at, 1)) << 8)); }
  std::uint32_t u24(Offset at) const { return u16(at) | (static_cast<std::uint32_t>(u8(next(at, 2))) << 16); }
  std::uint32_t u32(Offset at) const { return u16(at) | (static_cast<std::uint32_t>(u16(next(at, 2))) << 16); }

 private:
  // at + k without overflow: an offset that would pass the largest one wraps to a negative,
  // which lies outside the data all the same.
  static Offset next(Offset at, unsigned k) { return static_cast<Offset>(static_cast<std::uint64_t>(at) + k); }

  ByteSpan data_;
};

}  // namespace base
