#pragma once
// The fish library: the template archive from which fish files are built.
//   0   "Fish"
//   4   8 bytes, not read
//   12  title, zero-terminated (t = offset of its 0)
//   t+1 entry count E (one byte); t+2..t+12 not read
//   t+13 E entries: a zero-terminated name (z = offset of its 0), then z+1..z+4 not read,
//        z+5 u32 byte count, z+9 u32 absolute offset, z+13..z+16 not read.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace fishfile {

// The message of a library that does not start with "Fish".
inline constexpr std::string_view kLibraryDiffers = "Library File differs";

struct LibraryEntry {
  std::string name;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

// The entries of a library. Refuses a library without "Fish" at its start (with the message
// kLibraryDiffers), a truncated entry list, and an entry whose bytes do not lie in the file.
base::Result<std::vector<LibraryEntry>> readFishLibrary(base::ByteSpan library);

// Writes a library with the given title and entries (at most 255), data after the list.
base::Result<base::Bytes> makeFishLibrary(std::string_view title,
                                          const std::vector<std::pair<std::string, base::Bytes>>& entries);

}  // namespace fishfile
