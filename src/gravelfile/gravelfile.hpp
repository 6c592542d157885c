#pragma once
// The gravel file (.grv): a resource file holding a dimension block ("Grvl", Height and
// Length), the surface bitmap ("BADP") and the aspect bitmap ("BAPC"), all numbered 4020.
// The bitmaps are copied byte for byte; each block's byte count is the bitmap's own size
// field (bytes 2-5), not its length. gritwright and gritpress both write it.
#include <cstdint>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace gravelfile {

inline constexpr std::uint16_t kResourceNumber = 4020;
inline constexpr std::string_view kInfoName = "Custom Gravel Info";
// gritpress's header text, written from header byte 16 in place of gritwright's constants.
inline constexpr std::string_view kVersion2HeaderText = "Version 2.0 Resource File";

// A Height or Length value as stored: rounded with halves to the even neighbour, then clamped
// to 0..65535 (NaN gives 0). 57.5 -> 58, 56.5 -> 56, -5 -> 0, 70000 -> 65535. gritwright
// applies it to the leading number of its box (ui::leadingNumber), so "abc" gives 0.
std::uint16_t clampDimension(double value);

// The whole gravel file with gritwright's header bytes 16-31 ("rGrB", 1500, 1, 2, 1, 0xFFFF).
// Refuses a bitmap shorter than 6 bytes (its size field would lie outside it) and a file too
// long for the 24-bit offsets of the resource map.
base::Result<base::Bytes> buildGravelFile(base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                                          std::uint16_t length);

// The same file with header bytes 16-31 zero and `headerText` written from byte 16 instead
// (at most 240 bytes; gritpress passes kVersion2HeaderText). Everything else is identical.
base::Result<base::Bytes> buildGravelFile(base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                                          std::uint16_t length, std::string_view headerText);

}  // namespace gravelfile
