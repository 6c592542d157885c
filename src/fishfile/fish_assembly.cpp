#include "fishfile/fish_assembly.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/strcat.hpp"
#include "fishfile/fish_info.hpp"
#include "resfile/resfile.hpp"

namespace fishfile {

using base::Bytes;
using base::fail;
using base::strcat;

namespace {

constexpr int kResources = 65;
constexpr std::size_t kMapEntriesAt = 182;
constexpr std::size_t kNameCopiesAt = 1004;
constexpr std::size_t kTemplateNamesLength = 42;
constexpr std::size_t kMinBackSize = 1102;  // room for the name copies

// Reference entry j belongs to resource: 1-25, then the even ones 26-64, then the odd 27-65.
constexpr int resourceOfEntry(int j) { return j <= 24 ? j + 1 : j <= 44 ? 2 * j - 24 : 2 * j - 63; }

// Added to R in the resource-number field of entries 0-24 (resource 3, entry 2, keeps its own).
constexpr std::array<int, 25> kNumberOffsets = {0, 1, -1, 0, 1, 0, 0, 0, 1, 2, 3, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};

void putShortText(Bytes& out, std::size_t at, const std::string& text) {
  out[at] = static_cast<std::uint8_t>(text.size());
  std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(at + 1), kShortTextMax, 0);
  std::copy(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// The smallest length each resource needs for the fields written into it.
std::size_t minimumLength(int resource) {
  if (resource == 17) return 1128;
  if (resource == 18) return 166;
  if (resource >= 26) return resource % 2 == 0 ? 1 + kShortTextMax : 290 + 1 + kShortTextMax;
  return 0;
}

}  // namespace

std::string resourceEntryName(int resource) {
  char name[16];
  std::snprintf(name, sizeof name, "%03d.dat", resource);
  return name;
}

base::Result<Bytes> assembleFishFile(const EntryMap& entries, int fishId, const FishTexts& texts) {
  if (fishId < 0 || fishId > kMaxFishId) return fail("ID is 0 - 127");
  return assembleFishFileNumbered(entries, resourceNumber(fishId), texts);
}

base::Result<Bytes> assembleFishFileNumbered(const EntryMap& entries, std::uint16_t R, const FishTexts& texts) {
  for (const auto* text : {&texts.name, &texts.latin, &texts.genre, &texts.habitat})
    if (text->size() > kShortTextMax) return fail(strcat("The text \"", *text, "\" is longer than 32 bytes."));
  if (texts.description.size() > kDescriptionMax) return fail("The description is longer than 512 bytes.");

  auto entry = [&](const std::string& name) -> const Bytes* {
    auto it = entries.find(name);
    return it == entries.end() ? nullptr : &it->second;
  };
  const Bytes* top = entry("top.dat");
  const Bytes* back = entry("back.dat");
  if (!top) return fail("The fish library has no entry \"top.dat\".");
  if (!back) return fail("The fish library has no entry \"back.dat\".");
  if (top->size() < 16) return fail("The library's \"top.dat\" is shorter than a resource header.");
  if (back->size() < kMinBackSize)
    return fail(strcat("The library's \"back.dat\" is ", back->size(), " bytes long; at least 1,102 are needed."));

  const std::size_t L = texts.name.size();
  const std::size_t mapLength = back->size() + 6 * L - 92;
  std::array<const Bytes*, kResources + 1> resource{};
  std::size_t total = top->size() + mapLength;
  for (int k = 1; k <= kResources; ++k) {
    resource[k] = entry(resourceEntryName(k));
    if (!resource[k]) return fail(strcat("The fish library has no entry \"", resourceEntryName(k), "\"."));
    if (resource[k]->size() < minimumLength(k))
      return fail(strcat("The library's \"", resourceEntryName(k), "\" is shorter than the ", minimumLength(k), " bytes it needs."));
    total += 4 + resource[k]->size();
  }
  if (total > resfile::kMaxFileSize) return fail("The fish file would be larger than 16,777,215 bytes.");
  // Data offsets count from 256 whatever the header's length; resource 2's is the first
  // written and must not fall below 0.
  if (top->size() + 4 + resource[1]->size() < resfile::kHeaderSize)
    return fail("The library's \"top.dat\" and \"001.dat\" are too short: resource 2 would start before offset 256.");

  Bytes out(total, 0);
  std::copy(top->begin(), top->end(), out.begin());
  std::array<std::size_t, kResources + 1> offset{};
  std::size_t j = top->size();
  for (int k = 1; k <= kResources; ++k) {
    base::putU32(&out[j], static_cast<std::uint32_t>(resource[k]->size()));
    offset[k] = j;
    std::copy(resource[k]->begin(), resource[k]->end(), out.begin() + static_cast<std::ptrdiff_t>(j + 4));
    j += 4 + resource[k]->size();
  }
  const std::size_t X = j;
  std::copy_n(back->begin(), std::min(mapLength, back->size()), out.begin() + static_cast<std::ptrdiff_t>(X));

  const auto M = static_cast<std::uint32_t>(X);
  for (std::size_t at : {std::size_t{0}, X}) {
    base::putU32(&out[at + 4], M);
    base::putU32(&out[at + 8], M - 256);
    base::putU32(&out[at + 12], static_cast<std::uint32_t>(mapLength));
  }
  for (int e = 1; e < kResources; ++e)
    base::putU32(&out[X + kMapEntriesAt + 12 * e + 4], static_cast<std::uint32_t>(offset[resourceOfEntry(e)] - 256));

  base::putU16(&out[offset[17] + 4 + kInfoNumberAt], R);
  base::putU16(&out[offset[18] + 4 + 164], R);
  for (int e = 0; e <= 24; ++e)
    if (kNumberOffsets[e] >= 0) base::putU16(&out[X + kMapEntriesAt + 12 * e], R + kNumberOffsets[e]);

  const std::size_t info = offset[17] + 4;
  putShortText(out, info + kInfoNameAt, texts.name);
  putShortText(out, info + kInfoLatinAt, texts.latin);
  putShortText(out, info + kInfoGenreAt, texts.genre);
  putShortText(out, info + kInfoHabitatAt, texts.habitat);
  std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(info + kInfoDescriptionAt), kDescriptionMax, 0);
  std::copy(texts.description.begin(), texts.description.end(), out.begin() + static_cast<std::ptrdiff_t>(info + kInfoDescriptionAt));
  for (int k = 26; k <= 64; k += 2) putShortText(out, offset[k] + 4, texts.name);
  for (int k = 27; k <= 65; k += 2) putShortText(out, offset[k] + 4 + 290, texts.habitat);

  for (std::size_t copy = 0; copy < 6; ++copy) {
    std::size_t at = X + kNameCopiesAt + copy * (L + 1);
    out[at] = static_cast<std::uint8_t>(L);
    std::copy(texts.name.begin(), texts.name.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 1));
  }
  for (std::size_t k = 1; k <= 5; ++k)
    base::putU16(&out[X + kMapEntriesAt + 12 * (16 + k) + 2], static_cast<std::uint32_t>(kTemplateNamesLength + k * (L + 1)));
  return out;
}

}  // namespace fishfile
