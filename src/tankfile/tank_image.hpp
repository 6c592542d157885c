#pragma once
// A tank file (or a fish file) held whole in memory as one image of bytes. The image knows
// the file's length: reads outside the file give 0, writes are checked by the caller with
// holds(), and a save writes exactly the file's bytes. No Qt here; netkeeper and netkeeper2
// both build on it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "base/files.hpp"
#include "base/zero_extended.hpp"

namespace tankfile {

// The longest file the image takes: the tools' buffer held 10,000,000 bytes of file. A longer
// file is refused with a message rather than cut.
inline constexpr std::size_t kImageLimit = 10'000'000;

// Offsets are signed because some fields lie before a record (N - 36), which may be before the
// start of a small file.
using Offset = base::ZeroExtended::Offset;

class TankImage {
 public:
  TankImage() = default;
  // The bytes of a file called `name` (for the message when it is too long).
  static base::Result<TankImage> fromBytes(base::Bytes bytes, std::string_view name = "the file");
  static base::Result<TankImage> load(const std::filesystem::path& path);

  std::size_t fileLength() const { return bytes_.size(); }
  base::ByteSpan bytes() const { return bytes_; }
  // The file's bytes with zeros past its end, as the tank's rules read them.
  base::ZeroExtended view() const { return base::ZeroExtended(bytes()); }

  // Whether the count bytes from `at` all lie inside the file.
  bool holds(Offset at, std::size_t count = 1) const { return view().holds(at, count); }
  // The byte at `at`, or 0 outside the file.
  std::uint8_t byteAt(Offset at) const { return view().u8(at); }
  // The little-endian 32-bit value at `at`; bytes outside the file count as 0.
  std::uint32_t u32At(Offset at) const { return view().u32(at); }

  // Writers: the caller has checked holds(at, width).
  void setByte(Offset at, std::uint8_t value) { bytes_[static_cast<std::size_t>(at)] = value; }
  void setU32(Offset at, std::uint32_t value) { base::putU32(&bytes_[static_cast<std::size_t>(at)], value); }
  void clear(Offset at, std::size_t count);

  // Adds 1 to the 32-bit value at `at`, carrying from byte to byte; FF FF FF FF becomes 0.
  void incrementId(Offset at);

  // Writes the file's bytes to path atomically: written beside it, then renamed over it, so
  // the path may name the file that was opened. Over the loaded file, nothing is written when
  // that file changed since it was loaded (another program, or another copy, wrote it): the
  // message says so.
  base::Result<void> save(const std::filesystem::path& path) const;

 private:
  explicit TankImage(base::Bytes bytes) : bytes_(std::move(bytes)) {}
  base::Bytes bytes_;
  std::optional<base::FileStamp> loaded_;  // the file as load() read it
};

// A number for a 32-bit field: rounded to the nearest whole number (halves to even), and
// held to 0 .. 4,294,967,295.
std::uint32_t roundToU32(double value);

}  // namespace tankfile
