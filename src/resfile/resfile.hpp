#pragma once
// The resource-file container shared by every content file: a 256-byte header, a data area
// of length-prefixed resources from offset 256, and the resource map that ends the file.
// All numbers little-endian; offsets in the header and the reference entries are 24-bit.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace resfile {

constexpr std::uint32_t kHeaderSize = 256;
constexpr std::uint32_t kMapTypeListOffset = 30;
constexpr std::uint32_t kTypeEntrySize = 8;
constexpr std::uint32_t kReferenceEntrySize = 12;
constexpr std::uint16_t kNoName = 0xFFFF;
// The 24-bit offsets cannot reach further.
constexpr std::uint32_t kMaxFileSize = 16'777'215;

// A four-character resource type. It is stored as a little-endian 32-bit number, so the file
// holds its characters in reverse order: "Fd_H" is stored as the bytes "H_dF".
struct ResourceType {
  std::array<char, 4> code{};
  static ResourceType fromCode(std::string_view code);         // "Fd_H"
  static ResourceType fromStored(const std::uint8_t* stored);  // the four bytes as in the file
  std::array<std::uint8_t, 4> stored() const;
  std::string text() const { return std::string(code.begin(), code.end()); }
  bool operator==(const ResourceType&) const = default;
};

// Fills the 16 bytes at `at` with 256, M, M - 256 and the map length. The header and the
// map's copy of it both use this layout.
void writeHeaderFields(base::Bytes& file, std::size_t at, std::uint32_t mapOffset, std::uint32_t mapLength);

struct ReferenceSpec {
  std::uint16_t number = 0;
  std::optional<std::string> name;  // bytes in the host's code page
  std::uint32_t dataOffset = 0;     // as returned by Writer::append
};

struct TypeSpec {
  ResourceType type;
  std::vector<ReferenceSpec> references;
};

struct MapSpec {
  std::uint16_t fileReference = 0;  // map bytes 20-21
  std::vector<TypeSpec> types;      // in map order; reference entries follow the same order
};

// Lays out a resource file front to back: resources in data order, then the map.
class Writer {
 public:
  // headerConstants fills header bytes 16-31 (the file kind's constants).
  explicit Writer(const std::array<std::uint8_t, 16>& headerConstants = {});

  // Appends a resource (its u32 byte count, then its bytes) and returns its data offset: the
  // absolute offset of the byte count minus 256.
  std::uint32_t append(base::ByteSpan data);
  // Appends an embedded bitmap: its byte count is copied from the bitmap's own size field
  // (bytes 2-5), while all of its bytes are copied.
  std::uint32_t appendBitmap(base::ByteSpan bitmap);

  // Writes the map and the header fields and returns the whole file. Refuses a file that
  // the 24-bit offsets cannot express, a map that the 16-bit fields cannot, and a name
  // longer than its length byte can count (255 bytes).
  base::Result<base::Bytes> finish(const MapSpec& map) &&;

 private:
  base::Bytes file_;
};

// Reading through the map.
struct Reference {
  ResourceType type;
  std::uint16_t number = 0;
  std::uint16_t nameOffset = kNoName;
  std::uint32_t dataOffset = 0;
};

// The map offset M from header bytes 4-6 (byte 7 is not read). 0 for a file too short.
std::uint32_t mapOffset(base::ByteSpan file);

// Every reference entry, walking the type list. Each entry must lie inside the file.
base::Result<std::vector<Reference>> readReferences(base::ByteSpan file);

// The name of a named reference (length byte, then its bytes, in the map's name list at
// M + the name-list offset of map bytes 26-27), checked to lie in the file. None for 0xFFFF.
base::Result<std::optional<std::string>> referenceName(base::ByteSpan file, const Reference& reference);

// A resource's data: the bytes after its u32 count at dataOffset + 256, checked to lie in
// the file.
base::Result<base::ByteSpan> resourceData(base::ByteSpan file, std::uint32_t dataOffset);

}  // namespace resfile
