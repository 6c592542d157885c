#include "resfile/resfile.hpp"

#include <algorithm>

#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/zero_extended.hpp"

namespace resfile {

using base::Bytes;
using base::ByteSpan;
using base::fail;
using base::strcat;

ResourceType ResourceType::fromCode(std::string_view code) {
  ResourceType type;
  std::copy_n(code.begin(), std::min<std::size_t>(4, code.size()), type.code.begin());
  return type;
}

ResourceType ResourceType::fromStored(const std::uint8_t* stored) {
  ResourceType type;
  for (int i = 0; i < 4; ++i) type.code[i] = static_cast<char>(stored[3 - i]);
  return type;
}

std::array<std::uint8_t, 4> ResourceType::stored() const {
  return {static_cast<std::uint8_t>(code[3]), static_cast<std::uint8_t>(code[2]),
          static_cast<std::uint8_t>(code[1]), static_cast<std::uint8_t>(code[0])};
}

void writeHeaderFields(Bytes& file, std::size_t at, std::uint32_t mapOffset, std::uint32_t mapLength) {
  base::putU32(&file[at], kHeaderSize);
  base::putU32(&file[at + 4], mapOffset);
  base::putU32(&file[at + 8], mapOffset - kHeaderSize);
  base::putU32(&file[at + 12], mapLength);
}

Writer::Writer(const std::array<std::uint8_t, 16>& headerConstants) : file_(kHeaderSize, 0) {
  std::copy(headerConstants.begin(), headerConstants.end(), file_.begin() + 16);
}

std::uint32_t Writer::append(ByteSpan data) {
  auto offset = static_cast<std::uint32_t>(file_.size() - kHeaderSize);
  base::appendU32(file_, static_cast<std::uint32_t>(data.size()));
  base::appendBytes(file_, data);
  return offset;
}

std::uint32_t Writer::appendBitmap(ByteSpan bitmap) {
  auto offset = static_cast<std::uint32_t>(file_.size() - kHeaderSize);
  base::appendU32(file_, base::readU32(bitmap, 2).value_or(0));
  base::appendBytes(file_, bitmap);
  return offset;
}

base::Result<Bytes> Writer::finish(const MapSpec& map) && {
  std::size_t referenceCount = 0;
  std::size_t namesLength = 0;
  for (const auto& type : map.types) {
    if (type.references.empty()) return fail(strcat("Resource type ", type.type.text(), " has no resources."));
    referenceCount += type.references.size();
    for (const auto& ref : type.references) {
      if (ref.name && ref.name->size() > 255) return fail(strcat("The resource name \"", *ref.name, "\" is longer than 255 bytes."));
      if (ref.name) namesLength += 1 + ref.name->size();
    }
  }
  const std::size_t typeCount = map.types.size();
  const std::size_t referencesAt = kMapTypeListOffset + kTypeEntrySize * typeCount;
  const std::size_t nameListOffset = referencesAt + kReferenceEntrySize * referenceCount;
  const std::size_t mapLength = nameListOffset + namesLength;
  const std::size_t M = file_.size();
  if (typeCount == 0 || mapLength > 0xFFFF) return fail("The resource map does not fit its 16-bit fields.");
  if (M + mapLength > kMaxFileSize)
    return fail(strcat("The file would be ", M + mapLength, " bytes long; resource files end below 16,777,216 bytes."));

  Bytes out = std::move(file_);
  out.resize(M + mapLength, 0);
  writeHeaderFields(out, 0, static_cast<std::uint32_t>(M), static_cast<std::uint32_t>(mapLength));
  writeHeaderFields(out, M, static_cast<std::uint32_t>(M), static_cast<std::uint32_t>(mapLength));
  base::putU16(&out[M + 20], map.fileReference);
  base::putU16(&out[M + 24], kMapTypeListOffset);
  base::putU16(&out[M + 26], static_cast<std::uint32_t>(nameListOffset));
  base::putU16(&out[M + 28], static_cast<std::uint32_t>(typeCount - 1));

  std::size_t typeAt = M + kMapTypeListOffset;
  std::size_t refAt = M + referencesAt;
  std::size_t nameAt = 0;  // within the name list
  for (const auto& type : map.types) {
    auto stored = type.type.stored();
    std::copy(stored.begin(), stored.end(), out.begin() + static_cast<std::ptrdiff_t>(typeAt));
    base::putU16(&out[typeAt + 4], static_cast<std::uint32_t>(type.references.size() - 1));
    base::putU16(&out[typeAt + 6], static_cast<std::uint32_t>(refAt - M - kMapTypeListOffset));
    typeAt += kTypeEntrySize;
    for (const auto& ref : type.references) {
      base::putU16(&out[refAt], ref.number);
      base::putU16(&out[refAt + 2], ref.name ? static_cast<std::uint32_t>(nameAt) : kNoName);
      base::putU24(&out[refAt + 4], ref.dataOffset);
      refAt += kReferenceEntrySize;
      if (ref.name) {
        std::size_t at = M + nameListOffset + nameAt;
        out[at] = static_cast<std::uint8_t>(ref.name->size());
        std::copy(ref.name->begin(), ref.name->end(), out.begin() + static_cast<std::ptrdiff_t>(at + 1));
        nameAt += 1 + ref.name->size();
      }
    }
  }
  return out;
}

std::uint32_t mapOffset(ByteSpan file) {
  return base::ZeroExtended(file).u24(4);
}

base::Result<std::vector<Reference>> readReferences(ByteSpan file) {
  const std::uint32_t M = mapOffset(file);
  base::Reader map(file);
  if (auto ok = map.seek(M + 28, "resource map"); !ok) return std::unexpected(ok.error());
  auto lastType = map.u16("type count");
  if (!lastType) return std::unexpected(lastType.error());
  std::vector<Reference> refs;
  for (std::uint32_t t = 0; t <= *lastType; ++t) {
    base::Reader entry(file);
    if (auto ok = entry.seek(M + kMapTypeListOffset + kTypeEntrySize * t, "type entry"); !ok) return std::unexpected(ok.error());
    auto stored = entry.bytes(4, "type entry");
    auto lastRef = entry.u16("type entry");
    auto firstRef = entry.u16("type entry");
    if (!stored || !lastRef || !firstRef) return fail(strcat("Type entry ", t, " runs past the end of the file."));
    auto type = ResourceType::fromStored(stored->data());
    // Entries may not overlap into more references than the map has room for.
    if (refs.size() + *lastRef + 1 > (file.size() - M) / kReferenceEntrySize)
      return fail("The resource map lists more reference entries than it has room for.");
    for (std::uint32_t r = 0; r <= *lastRef; ++r) {
      std::size_t at = std::size_t{M} + kMapTypeListOffset + *firstRef + kReferenceEntrySize * r;
      base::Reader fields(file, at);
      auto id = fields.u16(), nameOffset = fields.u16();
      auto dataOffset = fields.u24();
      if (!base::fits(file, at, kReferenceEntrySize) || !id || !nameOffset || !dataOffset)
        return fail(strcat("A reference entry of type ", type.text(), " runs past the end of the file."));
      refs.push_back({type, *id, *nameOffset, *dataOffset});
    }
  }
  return refs;
}

base::Result<std::optional<std::string>> referenceName(ByteSpan file, const Reference& reference) {
  if (reference.nameOffset == kNoName) return std::optional<std::string>{};
  const std::size_t M = mapOffset(file);
  auto listOffset = base::readU16(file, M + 26, "name-list offset");
  if (!listOffset) return std::unexpected(listOffset.error());
  base::Reader name(file, M + *listOffset + reference.nameOffset);
  auto length = name.u8("resource name");
  if (!length) return std::unexpected(length.error());
  auto text = name.bytes(*length, "resource name");
  if (!text) return std::unexpected(text.error());
  return std::optional<std::string>(std::string(text->begin(), text->end()));
}

base::Result<ByteSpan> resourceData(ByteSpan file, std::uint32_t dataOffset) {
  std::size_t at = std::size_t{dataOffset} + kHeaderSize;
  auto count = base::readU32(file, at, "resource byte count");
  if (!count) return std::unexpected(count.error());
  if (!base::fits(file, at + 4, *count))
    return fail(strcat("The resource at offset ", at, " claims ", *count, " bytes, more than the file holds."));
  return file.subspan(at + 4, *count);
}

}  // namespace resfile
