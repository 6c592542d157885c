#pragma once
// The plant file (".plt"): a resource file holding one plant's header, its two size records,
// the "Large" and "Small" labels, its icon, top and front views, its texts and a version mark.
#include <cstdint>
#include <string>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace plantfile {

constexpr int kMinPlantId = 128, kMaxPlantId = 32766;
constexpr std::size_t kMaxNameBytes = 32;
constexpr std::size_t kMaxDescriptionBytes = 512;
// An 83 × 83 bitmap of 256 colours with 84-byte rows, with or without two bytes of padding.
constexpr std::size_t kIconLength = 8050, kPaddedIconLength = 8052;

struct PlantInputs {
  std::uint16_t id = kMinPlantId;
  // Texts as bytes in the host's code page, 1-32 bytes each.
  std::string name, latin, scientific;
  bool redd = false;
  // The files as read: three whole bitmap files and the description's 1-512 bytes.
  base::ByteSpan icon, top, front, description;
};

// The front view's height and width as the size records take them: the low 16 bits of the
// bitmap's height and width fields, signed. Missing bytes of a very short file read as zero.
struct FrontSize {
  int height = 0, width = 0;
};
FrontSize frontSize(base::ByteSpan front);

// A size × 0.66 to the nearest integer, a half to the even neighbour (25 gives 16, 75 gives 50).
int reducedSize(int size);

// The whole file image. Refused with a message naming the picture: a bitmap shorter than its
// 6-byte head (its byte count lies in bytes 2-5), a front view whose height or width is
// negative as a 16-bit number, and inputs outside the limits above or too large for the
// file's 24-bit offsets.
base::Result<base::Bytes> buildPlantFile(const PlantInputs& inputs);

}  // namespace plantfile
