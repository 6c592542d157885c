#pragma once
// Little-endian numbers in byte buffers. The put* helpers write into a span that the caller
// has sized. File data is read through base::Reader (every read checked) or base::ZeroExtended
// (zeros past the end, where a format's rules read so), never with the get* helpers alone.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace base {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

inline std::uint16_t getU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t getU24(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16));
}
inline std::uint32_t getU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Big-endian, as MIDI files store their numbers.
inline std::uint16_t getU16Be(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
inline std::uint32_t getU32Be(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

inline void putU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putU24(std::uint8_t* p, std::uint32_t v) {
  putU16(p, v);
  p[2] = static_cast<std::uint8_t>(v >> 16);
}
inline void putU32(std::uint8_t* p, std::uint32_t v) {
  putU24(p, v);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

// Appending writers for building files front to back.
inline void appendU16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void appendU32(Bytes& out, std::uint32_t v) {
  appendU16(out, v);
  appendU16(out, v >> 16);
}
inline void appendBytes(Bytes& out, ByteSpan data) { out.insert(out.end(), data.begin(), data.end()); }

inline ByteSpan asBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace base
