#include "fishfile/fish_assembly.hpp"

#include <gtest/gtest.h>

#include "support/test_files.hpp"

namespace {

using base::Bytes;
using testfiles::get16;
using testfiles::get32;
using testfiles::slice;

// With the test template (header 256 bytes; resources of 10 bytes, 17: 1128, 18: 170, even
// 26-64: 40, odd 27-65: 330) the byte counts stand at:
//   1-16: 256 + 14 × (k - 1); 17: 480; 18: 1612; 19-25: 1786 + 14 × (k - 19);
//   26, 28 … 64: 1884 + 378 × (k - 26) / 2; 27, 29 … 65: 1928 + 378 × (k - 27) / 2;
// and the map starts at X = 9444.
std::size_t countAt(int k) {
  if (k <= 16) return 256 + 14 * (k - 1);
  if (k == 17) return 480;
  if (k == 18) return 1612;
  if (k <= 25) return 1786 + 14 * (k - 19);
  return k % 2 == 0 ? 1884 + 189 * (k - 26) : 1928 + 189 * (k - 27);
}
std::size_t dataAt(int k) { return countAt(k) + 4; }
constexpr std::size_t X = 9444;
std::size_t entryAt(int j) { return X + 182 + 12 * j; }

// The resource of reference entry j: 1-25, then the even 26-64, then the odd 27-65.
int resourceOfEntry(int j) { return j <= 24 ? j + 1 : j <= 44 ? 26 + 2 * (j - 25) : 27 + 2 * (j - 45); }

const fishfile::EntryMap& entries() {
  static const fishfile::EntryMap e = testfiles::templateEntries();
  return e;
}
const Bytes& entry(const std::string& name) { return entries().at(name); }
const Bytes& resource(int k) { return entry(fishfile::resourceEntryName(k)); }

Bytes assemble(int id, const fishfile::FishTexts& texts, const fishfile::EntryMap& from = entries()) {
  auto file = fishfile::assembleFishFile(from, id, texts);
  EXPECT_TRUE(file) << file.error().message;
  return file.value_or(Bytes{});
}

Bytes shortText(const std::string& text) {
  Bytes out(33, 0);
  out[0] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + 1);
  return out;
}

TEST(FishAssembly, LayoutAndOffsets) {
  const Bytes file = assemble(0, {"Goldfish10", "", "", "", ""});
  // Map: 1102 + 6 × 10 - 92 = 1070 bytes, which end the file.
  ASSERT_EQ(file.size(), X + 1070);
  const Bytes& top = entry("top.dat");
  const Bytes& back = entry("back.dat");
  const Bytes fields = {0xE4, 0x24, 0, 0, 0xE4, 0x23, 0, 0, 0x2E, 0x04, 0, 0};  // 9444, 9188, 1070
  EXPECT_EQ(slice(file, 0, 4), slice(top, 0, 4));
  EXPECT_EQ(slice(file, 4, 12), fields);
  EXPECT_EQ(slice(file, 16, 240), slice(top, 16, 240));
  EXPECT_EQ(slice(file, X, 4), slice(back, 0, 4));
  EXPECT_EQ(slice(file, X + 4, 12), fields);
  EXPECT_EQ(slice(file, X + 16, 166), slice(back, 16, 166));   // map fields and type list
  EXPECT_EQ(slice(file, X + 962, 42), slice(back, 962, 42));   // the template's names

  for (int k = 1; k <= 65; ++k) {
    EXPECT_EQ(get32(file, countAt(k)), resource(k).size()) << "resource " << k;
    if (k <= 16 || (k >= 19 && k <= 25)) {
      EXPECT_EQ(slice(file, dataAt(k), resource(k).size()), resource(k)) << k;
    }
  }
  EXPECT_EQ(slice(file, entryAt(0) + 4, 4), slice(back, 186, 4));  // resource 1's entry keeps its offset
  for (int j = 1; j <= 64; ++j) {
    EXPECT_EQ(get32(file, entryAt(j) + 4), countAt(resourceOfEntry(j)) - 256) << "entry " << j;
    EXPECT_EQ(slice(file, entryAt(j) + 8, 4), slice(back, 182 + 12 * j + 8, 4)) << "entry " << j;
  }
  EXPECT_EQ(get32(file, entryAt(17) + 4), 1356u);  // resource 18
  EXPECT_EQ(get32(file, entryAt(44) + 4), 8810u);  // resource 64
  EXPECT_EQ(get32(file, entryAt(45) + 4), 1672u);  // resource 27
  EXPECT_EQ(get32(file, entryAt(64) + 4), 8854u);  // resource 65
}

TEST(FishAssembly, ResourceNumbers) {
  // Added to R in entries 0-24 (resource 3, entry 2, keeps the template's number).
  const int added[25] = {0, 1, -1, 0, 1, 0, 0, 0, 1, 2, 3, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Bytes& back = entry("back.dat");
  for (auto [id, R] : {std::pair{0, 300u}, std::pair{5, 1300u}, std::pair{127, 25'700u}}) {
    const Bytes file = assemble(id, {"Nemo", "", "", "", ""});
    EXPECT_EQ(get16(file, dataAt(17) + 578), R);
    EXPECT_EQ(get16(file, dataAt(18) + 164), R);
    for (int j = 0; j <= 64; ++j) {
      const auto expected = j <= 24 && added[j] >= 0 ? R + added[j] : get16(back, 182 + 12 * j);
      EXPECT_EQ(get16(file, entryAt(j)), expected) << "ID " << id << ", entry " << j;
    }
    if (id == 127) {
      EXPECT_EQ(slice(file, entryAt(10), 2), (Bytes{0x67, 0x64}));  // 25,703
    }
  }
}

TEST(FishAssembly, Texts) {
  const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // 32 characters
  std::string description(512, 'd');
  description[511] = 'z';
  const Bytes file = assemble(3, {name, "", "Carp", "River", description});
  const Bytes& info = resource(17);
  const std::size_t at = dataAt(17);
  EXPECT_EQ(slice(file, at, 33), shortText(name));
  EXPECT_EQ(file[at + 32], '5');  // no terminating 0
  EXPECT_EQ(slice(file, at + 33, 33), Bytes(33, 0));
  EXPECT_EQ(slice(file, at + 66, 33), shortText("Carp"));
  EXPECT_EQ(slice(file, at + 99, 223), slice(info, 99, 223));
  EXPECT_EQ(slice(file, at + 322, 33), shortText("River"));
  EXPECT_EQ(slice(file, at + 355, 223), slice(info, 355, 223));
  EXPECT_EQ(slice(file, at + 580, 36), slice(info, 580, 36));
  EXPECT_EQ(slice(file, at + 616, 512), Bytes(description.begin(), description.end()));
  EXPECT_EQ(get32(file, at + 1128), 170u);  // resource 18's count follows directly

  for (int k = 26; k <= 65; ++k) {
    const Bytes& r = resource(k);
    const std::size_t field = k % 2 == 0 ? 0 : 290;
    Bytes expected = r;
    const Bytes text = shortText(k % 2 == 0 ? name : "River");
    std::copy(text.begin(), text.end(), expected.begin() + static_cast<std::ptrdiff_t>(field));
    EXPECT_EQ(slice(file, dataAt(k), r.size()), expected) << "resource " << k;
  }

  // A short description is padded with zeros.
  const Bytes shortDescription = assemble(3, {"N", "", "", "", "Hi"});
  Bytes expected(512, 0);
  expected[0] = 'H', expected[1] = 'i';
  EXPECT_EQ(slice(shortDescription, dataAt(17) + 616, 512), expected);

  // 32 characters: map 1102 + 192 - 92 = 1202 bytes, six 33-byte copies from 1004 to its end.
  ASSERT_EQ(file.size(), X + 1202);
  for (int copy = 0; copy < 6; ++copy) EXPECT_EQ(slice(file, X + 1004 + 33 * copy, 33), shortText(name));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(get16(file, entryAt(16 + k) + 2), 42u + 33 * k);
}

TEST(FishAssembly, NameCopies) {
  const Bytes file = assemble(1, {"Clownfish!", "", "", "", ""});
  // Map B - 32 = 1070 bytes; the copies take 66 bytes from 1004.
  ASSERT_EQ(file.size(), X + 1070);
  Bytes copies;
  for (int i = 0; i < 6; ++i) copies.push_back(10), copies.insert(copies.end(), {'C', 'l', 'o', 'w', 'n', 'f', 'i', 's', 'h', '!'});
  EXPECT_EQ(slice(file, X + 1004, 66), copies);
  const std::uint32_t offsets[5] = {53, 64, 75, 86, 97};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(get16(file, X + 376 + 12 * k), offsets[k - 1]);
  for (int j : {0, 16, 22, 64}) EXPECT_EQ(get16(file, entryAt(j) + 2), 0xFFFFu) << "entry " << j;
}

TEST(FishAssembly, LongerBackDat) {
  const auto longer = testfiles::templateEntries(1150);
  const Bytes& back = longer.at("back.dat");
  const Bytes file = assemble(1, {"Clownfish!", "", "", "", ""}, longer);
  // 1150 + 60 - 92 = 1118 bytes; after the copies the template's bytes at the same positions.
  ASSERT_EQ(file.size(), X + 1118);
  EXPECT_EQ(get32(file, 12), 1118u);
  EXPECT_EQ(get32(file, X + 12), 1118u);
  EXPECT_EQ(slice(file, X + 1070, 48), slice(back, 1070, 48));

  const Bytes unnamed = assemble(1, {"", "", "", "", ""}, longer);
  ASSERT_EQ(unnamed.size(), X + 1058);
  EXPECT_EQ(slice(unnamed, X + 1004, 6), Bytes(6, 0));
  EXPECT_EQ(slice(unnamed, X + 1010, 48), slice(back, 1010, 48));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(get16(unnamed, entryAt(16 + k) + 2), 42u + k);
}

TEST(FishAssembly, Refusals) {
  const fishfile::FishTexts ok = {"Nemo", "", "", "", ""};
  EXPECT_FALSE(fishfile::assembleFishFile(entries(), -1, ok));
  EXPECT_FALSE(fishfile::assembleFishFile(entries(), 128, ok));
  EXPECT_FALSE(fishfile::assembleFishFile(entries(), 0, {std::string(33, 'n'), "", "", "", ""}));
  EXPECT_FALSE(fishfile::assembleFishFile(entries(), 0, {"Nemo", "", "", std::string(33, 'h'), ""}));
  EXPECT_FALSE(fishfile::assembleFishFile(entries(), 0, {"Nemo", "", "", "", std::string(513, 'd')}));
  auto without = [](const std::string& name) {
    auto e = entries();
    e.erase(name);
    return e;
  };
  for (const char* name : {"top.dat", "back.dat", "001.dat", "042.dat", "065.dat"})
    EXPECT_FALSE(fishfile::assembleFishFile(without(name), 0, ok)) << name;
  auto shortBack = testfiles::templateEntries(1101);
  EXPECT_FALSE(fishfile::assembleFishFile(shortBack, 0, ok));
  auto shortTop = entries();  // resource 2's count at 16 + 4 + 235 = 255, below 256
  shortTop["top.dat"].resize(16);
  shortTop["001.dat"].resize(235);
  EXPECT_FALSE(fishfile::assembleFishFile(shortTop, 0, ok));
  shortTop["001.dat"].resize(236);
  EXPECT_TRUE(fishfile::assembleFishFile(shortTop, 0, ok));
  auto shortInfo = entries();
  shortInfo["017.dat"].resize(1127);
  EXPECT_FALSE(fishfile::assembleFishFile(shortInfo, 0, ok));
}

}  // namespace
