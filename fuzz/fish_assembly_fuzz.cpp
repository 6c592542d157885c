// finwright's build from a fish library: the library written and unpacked into a work folder
// as the tool does, the fish file assembled from the folder's entries, and the result read back.
// The folder's way and the in-memory way give the same file; every resource lies where the
// patched map says, unpatched resources as the library held them, the texts in their fields;
// and the frame cutter reads the result without fault.
#include <algorithm>
#include <map>

#include <fuzzer/FuzzedDataProvider.h>

#include "finsplit/cutter.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/fish_assembly.hpp"
#include "fishfile/fish_library.hpp"
#include "fuzz_support.hpp"
#include "resfile/resfile.hpp"

using fuzz::require;

namespace {

// The least each entry needs for the fields the assembly writes into it.
std::size_t leastLength(int resource) {
  if (resource == 17) return 1128;
  if (resource == 18) return 166;
  if (resource >= 26) return resource % 2 == 0 ? 33 : 323;
  return 0;
}

// Reference entry j of the map belongs to resource: 1-25, the even ones 26-64, the odd 27-65.
int resourceOfEntry(int j) { return j <= 24 ? j + 1 : j <= 44 ? 2 * j - 24 : 2 * j - 63; }

bool holdsText(base::ByteSpan file, std::size_t at, std::string_view text) {
  return at + 1 + text.size() <= file.size() && file[at] == text.size() &&
         fuzz::bytesAt(file, at + 1, text);
}

void readBack(const base::Bytes& fish, const fishfile::EntryMap& entries, std::uint16_t R, const fishfile::FishTexts& texts) {
  const std::size_t X = resfile::mapOffset(fish);
  require(X > 0 && X < fish.size() && base::getU32(&fish[X + 4]) == X);
  std::map<int, std::size_t> at;  // resource -> offset of its count
  for (int e = 1; e <= 64; ++e) {
    const std::uint32_t offset = base::getU32(&fish[X + 182 + 12 * e + 4]) & 0xFFFFFF;
    auto data = resfile::resourceData(fish, offset);
    const int k = resourceOfEntry(e);
    const auto& entry = entries.find(fishfile::resourceEntryName(k))->second;
    require(data && data->size() == entry.size());
    at[k] = resfile::kHeaderSize + offset;
    // Resources 1-16 and 19-25 are copied unchanged.
    if (k <= 16 || (k >= 19 && k <= 25)) require(std::equal(entry.begin(), entry.end(), data->begin()));
  }
  const std::size_t info = at[17] + 4;
  require(holdsText(fish, info, texts.name) && holdsText(fish, info + 33, texts.latin) &&
          holdsText(fish, info + 66, texts.genre) && holdsText(fish, info + 322, texts.habitat));
  require(base::getU16(&fish[info + 578]) == R && base::getU16(&fish[at[18] + 4 + 164]) == R);
  require(fuzz::bytesAt(fish, info + 616, texts.description));
  for (int k = 26; k <= 64; k += 2) require(holdsText(fish, at[k] + 4, texts.name));
  for (int k = 27; k <= 65; k += 2) require(holdsText(fish, at[k] + 4 + 290, texts.habitat));
  for (std::size_t copy = 0; copy < 6; ++copy) require(holdsText(fish, X + 1004 + copy * (texts.name.size() + 1), texts.name));
  (void)finsplit::cutFishFile(fish, [&](std::size_t, base::ByteSpan bitmap) -> base::Result<void> {
    require(bitmap.size() >= 54 && bitmap[0] == 'B' && bitmap[1] == 'M');
    return {};
  });
}

}  // namespace

// The input: a flag byte (bit 0: the library is the rest of the input as it stands; bit 1: go
// through the work folder; bit 2: leave out one entry), R, the five texts, then the entries'
// extra lengths and their bytes, drawn from what remains.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto flags = input.ConsumeIntegral<std::uint8_t>();
  const auto R = input.ConsumeIntegral<std::uint16_t>();
  fishfile::FishTexts texts;
  texts.name = input.ConsumeRandomLengthString(34);
  texts.latin = input.ConsumeRandomLengthString(34);
  texts.genre = input.ConsumeRandomLengthString(34);
  texts.habitat = input.ConsumeRandomLengthString(34);
  texts.description = input.ConsumeRandomLengthString(520);

  base::Bytes library;
  if (flags & 1) {
    library = input.ConsumeRemainingBytes<std::uint8_t>();
  } else {
    std::vector<std::pair<std::string, base::Bytes>> entries;
    const base::Bytes pool = input.ConsumeBytes<std::uint8_t>(4096);
    std::size_t next = 0;
    auto fill = [&](std::size_t length) {
      base::Bytes bytes(length, 0);
      for (auto& b : bytes) b = pool.empty() ? 0 : pool[next++ % pool.size()];
      return bytes;
    };
    const int skipped = flags & 4 ? input.ConsumeIntegralInRange<int>(-1, 65) : 99;
    entries.emplace_back("top.dat", fill(input.ConsumeIntegralInRange<std::size_t>(0, 300)));
    entries.emplace_back("back.dat", fill(input.ConsumeIntegralInRange<std::size_t>(1090, 1300)));
    // A negative choice keeps that entry but one byte short of what it needs.
    for (int k = 1; k <= 65; ++k) {
      if (k == skipped) continue;
      std::size_t length = leastLength(k) + input.ConsumeIntegralInRange<std::size_t>(0, 24);
      if (k == -skipped && leastLength(k) > 0) length = leastLength(k) - 1;
      entries.emplace_back(fishfile::resourceEntryName(k), fill(length));
    }
    auto made = fishfile::makeFishLibrary(input.ConsumeRandomLengthString(16), entries);
    require(made.has_value());
    library = std::move(*made);
  }

  auto listed = fishfile::readFishLibrary(library);
  if (!listed) return 0;
  fishfile::EntryMap entries;
  for (const auto& entry : *listed) {
    require(std::size_t{entry.offset} + entry.size <= library.size());
    entries[entry.name] = base::Bytes(library.begin() + entry.offset, library.begin() + entry.offset + entry.size);
  }
  auto fish = fishfile::assembleFishFileNumbered(entries, R, texts);

  if (flags & 2) {
    const auto folder = fuzz::freshFolder("fish_assembly");
    const auto work = folder / "work";
    std::filesystem::create_directory(work);
    fuzz::writeBytes(folder / "fish.lib", library);
    if (finwright::extractLibrary(folder / "fish.lib", work)) {
      // Nothing was written beside the work folder.
      require(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()) == 2);
      auto fromFolder = finwright::assembleFromWorkFolder(work, R, texts);
      require(fromFolder.has_value() == fish.has_value());
      if (fish) require(*fromFolder == *fish);
    }
  }
  if (fish) readBack(*fish, entries, R, texts);
  return 0;
}
