#include "fishfile/fish_library.hpp"

#include "base/reader.hpp"
#include "base/strcat.hpp"

namespace fishfile {

using base::fail;
using base::strcat;

base::Result<std::vector<LibraryEntry>> readFishLibrary(base::ByteSpan library) {
  if (library.size() < 4 || library[0] != 'F' || library[1] != 'i' || library[2] != 's' || library[3] != 'h')
    return fail(std::string(kLibraryDiffers));
  base::Reader r(library, 12);
  if (library.size() < 12) return fail("The fish library ends inside its header.");
  if (auto title = r.zeroTerminated("library title"); !title) return std::unexpected(title.error());
  auto count = r.u8("entry count");
  if (!count) return std::unexpected(count.error());
  if (auto ok = r.skip(11, "library header"); !ok) return std::unexpected(ok.error());
  std::vector<LibraryEntry> entries;
  for (unsigned i = 0; i < *count; ++i) {
    auto name = r.zeroTerminated("entry name");
    if (!name) return fail(strcat("Entry ", i + 1, " of the fish library: ", name.error().message));
    auto fields = r.bytes(16, "entry fields");
    if (!fields) return fail(strcat("Entry \"", *name, "\" of the fish library is cut short."));
    auto size = base::readU32(*fields, 4), offset = base::readU32(*fields, 8);
    if (!size || !offset) return fail(strcat("Entry \"", *name, "\" of the fish library is cut short."));
    LibraryEntry entry{*name, *offset, *size};
    if (!base::fits(library, entry.offset, entry.size))
      return fail(strcat("Entry \"", entry.name, "\" of the fish library points past the end of the library."));
    entries.push_back(std::move(entry));
  }
  return entries;
}

base::Result<base::Bytes> makeFishLibrary(std::string_view title,
                                          const std::vector<std::pair<std::string, base::Bytes>>& entries) {
  if (entries.size() > 255) return fail("A fish library holds at most 255 entries.");
  base::Bytes out = {'F', 'i', 's', 'h', 0, 0, 0, 0, 0, 0, 0, 0};
  base::appendBytes(out, base::asBytes(title));
  out.push_back(0);
  out.push_back(static_cast<std::uint8_t>(entries.size()));
  out.resize(out.size() + 11, 0);
  std::size_t dataAt = out.size();
  for (const auto& [name, data] : entries) dataAt += name.size() + 1 + 16;
  for (const auto& [name, data] : entries) {
    base::appendBytes(out, base::asBytes(name));
    out.push_back(0);
    base::appendU32(out, 0);
    base::appendU32(out, static_cast<std::uint32_t>(data.size()));
    base::appendU32(out, static_cast<std::uint32_t>(dataAt));
    base::appendU32(out, 0);
    dataAt += data.size();
  }
  for (const auto& [name, data] : entries) base::appendBytes(out, data);
  return out;
}

}  // namespace fishfile
