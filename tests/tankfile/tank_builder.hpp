#pragma once
// Hand-laid tank images for the tests: filler bytes that can never look like a marker, with
// markers, kind names and fields put at chosen offsets. Every byte is written here, so the
// tests do not lean on the code they check.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <gtest/gtest.h>

#include "base/bytes.hpp"
#include "tankfile/tank_image.hpp"

namespace testtank {

using base::Bytes;

// The bytes as a loaded tank (a test's bytes are never too long).
inline tankfile::TankImage imageOf(Bytes bytes) {
  auto image = tankfile::TankImage::fromBytes(std::move(bytes));
  EXPECT_TRUE(image.has_value());
  return image ? std::move(*image) : tankfile::TankImage{};
}

// n bytes from 0x40 to 0x6A: never 0, never 0xFF, never the first byte of a marker.
inline Bytes filler(std::size_t n) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(0x40 + (i * 13) % 0x2B);
  return out;
}

inline void put(Bytes& out, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
  for (auto b : bytes) out.at(at++) = b;
}

inline void putText(Bytes& out, std::size_t at, std::string_view text) {
  for (char c : text) out.at(at++) = static_cast<std::uint8_t>(c);
}

// A length byte and the text.
inline void putCounted(Bytes& out, std::size_t at, std::string_view text) {
  out.at(at) = static_cast<std::uint8_t>(text.size());
  putText(out, at + 1, text);
}

// The marker D0 01 00 00 before n, then the kind name at n.
inline void fishAt(Bytes& out, std::size_t n, std::string_view kind) {
  put(out, n - 4, {0xD0, 0x01, 0x00, 0x00});
  putCounted(out, n, kind);
}

// The marker A2 01 00 00 before e, then the kind name at e.
inline void eggAt(Bytes& out, std::size_t e, std::string_view kind) {
  put(out, e - 4, {0xA2, 0x01, 0x00, 0x00});
  putCounted(out, e, kind);
}

inline void zeros(Bytes& out, std::size_t at, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) out.at(at + i) = 0;
}

}  // namespace testtank
