#include "samples/sample_library.hpp"

#include <array>
#include <string_view>

#include "base/bmp.hpp"
#include "fishfile/fish_library.hpp"
#include "fishfile/system_palette.hpp"
#include "resfile/resfile.hpp"

namespace samples {
namespace {

using base::Bytes;

constexpr std::size_t kBackSize = 1102;
constexpr std::uint16_t kTemplateNumber = 128;  // R of a fish with ID -1: never a real fish

// Made-up template data: a recognisable ramp, so a stray copy is easy to spot.
Bytes filler(std::size_t size, std::uint8_t seed) {
  Bytes data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(seed + i * 7);
  return data;
}

Bytes shortText(std::string_view text) {
  Bytes field(33, 0);
  field[0] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), field.begin() + 1);
  return field;
}

void put(Bytes& data, std::size_t at, const Bytes& field) { std::copy(field.begin(), field.end(), data.begin() + static_cast<std::ptrdiff_t>(at)); }

// The fish record of a tank: the name first; the rest are the template's starting values.
Bytes fishRecord() {
  Bytes record(464, 0);
  put(record, 0, shortText("Template"));
  for (std::size_t i = 40; i < 464; i += 8) base::putU16(&record[i], 100);
  return record;
}

Bytes habitatResource() {
  Bytes data = filler(340, 0x31);
  put(data, 290, shortText("Template habitat"));
  return data;
}

Bytes infoBlock() {
  Bytes info = filler(1128, 0x11);
  put(info, 0, shortText("Template"));
  put(info, 33, shortText(""));
  put(info, 66, shortText(""));
  put(info, 322, shortText(""));
  base::putU16(&info[578], kTemplateNumber);
  std::fill(info.begin() + 616, info.end(), 0);
  return info;
}

// The map template. Resources group into 19 types: 1-7 one type each, 8-11 (the animation
// sets), 12, 13-16, 17 … 22 one each, 23-25, the even 26-64 and the odd 27-65.
Bytes backTemplate() {
  Bytes map(kBackSize, 0);
  base::putU32(&map[0], 256);
  base::putU16(&map[24], resfile::kMapTypeListOffset);
  base::putU16(&map[26], 962);
  base::putU16(&map[28], 18);
  struct Group {
    std::string_view type;
    int firstEntry, count;
  };
  constexpr std::array<Group, 19> groups = {{{"FsHd", 0, 1}, {"FsPr", 1, 1}, {"FsSz", 2, 1}, {"FsMv", 3, 1}, {"FsCl", 4, 1},
                                             {"FsSn", 5, 1}, {"FsIc", 6, 1}, {"FsAn", 7, 4}, {"FsSp", 11, 1}, {"FsGr", 12, 4},
                                             {"FsIn", 16, 1}, {"FsNm", 17, 1}, {"FsLn", 18, 1}, {"FsGn", 19, 1}, {"FsHb", 20, 1},
                                             {"FsDs", 21, 1}, {"FsXt", 22, 3}, {"FsRc", 25, 20}, {"FsEv", 45, 20}}};
  std::size_t at = 30;
  for (const auto& g : groups) {
    auto stored = resfile::ResourceType::fromCode(g.type).stored();
    std::copy(stored.begin(), stored.end(), map.begin() + static_cast<std::ptrdiff_t>(at));
    base::putU16(&map[at + 4], static_cast<std::uint32_t>(g.count - 1));
    base::putU16(&map[at + 6], static_cast<std::uint32_t>(152 + 12 * g.firstEntry));
    at += 8;
  }
  // Template names, 42 bytes, named by entries 22-24.
  constexpr std::array<std::string_view, 3> names = {"Sample fin set", "Sample scales", "Sample gills"};
  std::size_t nameAt = 0;
  for (int j = 0; j < 65; ++j) {
    std::uint8_t* entry = &map[182 + 12 * j];
    base::putU16(entry, kTemplateNumber + static_cast<std::uint32_t>(j >= 25 ? j : 0));
    base::putU16(entry + 2, resfile::kNoName);
    if (j >= 22 && j <= 24) {
      base::putU16(entry + 2, static_cast<std::uint32_t>(nameAt));
      const auto& name = names[static_cast<std::size_t>(j - 22)];
      map[962 + nameAt] = static_cast<std::uint8_t>(name.size());
      std::copy(name.begin(), name.end(), map.begin() + static_cast<std::ptrdiff_t>(962 + nameAt + 1));
      nameAt += 1 + name.size();
    }
  }
  return map;
}

Bytes resourceData(int k) {
  if (k == 7) {
    Bytes pixels(8 * 8, 17);
    return base::write8BitBmp(8, 8, fishfile::systemPalette(), pixels);
  }
  if (k >= 8 && k <= 11) return Bytes{0, 0};  // replaced by every build
  if (k == 17) return infoBlock();
  if (k == 18) {
    Bytes data = filler(212, 0x21);
    base::putU16(&data[164], kTemplateNumber);
    return data;
  }
  if (k >= 26) return k % 2 == 0 ? fishRecord() : habitatResource();
  constexpr std::array<std::size_t, 26> sizes = {0, 48, 24, 8, 96, 32, 160, 0, 0, 0, 0, 0, 64, 40, 40, 40, 40, 0, 0, 120, 16, 16, 16, 16, 84, 20};
  return filler(sizes[static_cast<std::size_t>(k)], static_cast<std::uint8_t>(k));
}

}  // namespace

std::vector<std::pair<std::string, Bytes>> libraryEntries() {
  Bytes top(256, 0);
  base::putU32(&top[0], 256);
  std::vector<std::pair<std::string, Bytes>> entries;
  entries.emplace_back("top.dat", std::move(top));
  entries.emplace_back("back.dat", backTemplate());
  for (int k = 1; k <= 65; ++k) entries.emplace_back(fishfile::resourceEntryName(k), resourceData(k));
  return entries;
}

base::Result<Bytes> fishLibrary() { return fishfile::makeFishLibrary("Sample fish library", libraryEntries()); }

}  // namespace samples
