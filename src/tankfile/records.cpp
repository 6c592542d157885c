#include "tankfile/records.hpp"

#include <algorithm>
#include <cstring>

namespace tankfile {

namespace {

bool markerAt(const TankImage& image, std::size_t at, const std::array<std::uint8_t, 4>& marker) {
  const auto i = static_cast<Offset>(at);
  return image.byteAt(i) == marker[0] && image.byteAt(i + 1) == marker[1] && image.byteAt(i + 2) == marker[2] &&
         image.byteAt(i + 3) == marker[3];
}

// The first offset i, from <= i <= last, where the marker begins (its bytes past the end of
// the file reading 0).
std::optional<std::size_t> findMarker(const TankImage& image, std::size_t from, std::size_t last,
                                      const std::array<std::uint8_t, 4>& marker) {
  const auto bytes = image.bytes();
  std::size_t i = from;
  // Inside the file: jump from one first byte to the next.
  while (i <= last && i < bytes.size()) {
    const void* hit = std::memchr(bytes.data() + i, marker[0], bytes.size() - i);
    if (!hit) {
      i = bytes.size();
      break;
    }
    i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - bytes.data());
    if (i > last) return std::nullopt;
    if (markerAt(image, i, marker)) return i;
    ++i;
  }
  // At the end itself every byte reads 0; no marker starts with 0.
  return std::nullopt;
}

// The zero-run skip: from start in steps of 50, the first place where 50 bytes of the file are
// all zero moves the start 100 bytes before it. Only runs inside the file count: the zeros that
// bytes past the end read as would otherwise make a run at the end of almost any file and
// move the search past every record.
std::size_t firstRecordSearchStart(const TankImage& image) {
  const std::size_t length = image.fileLength();
  const auto bytes = image.bytes();
  const std::size_t start = static_cast<std::size_t>(static_cast<double>(length) * 0.4);
  for (std::size_t i = start; i + 50 <= length; i += 50) {
    const auto* run = bytes.data() + i;
    if (std::all_of(run, run + 50, [](std::uint8_t b) { return b == 0; }))
      return i >= 100 ? i - 100 : 0;  // before the file nothing can match: start at 0
  }
  return start;
}

}  // namespace

std::optional<std::size_t> findFirstFishRecord(const TankImage& image) {
  const std::size_t length = image.fileLength();
  for (std::size_t i = firstRecordSearchStart(image); i <= length;) {
    auto at = findMarker(image, i, length, kFishMarker);
    if (!at) return std::nullopt;
    if (image.byteAt(static_cast<Offset>(*at) + 4) <= fish::kFirstNameLimit) return *at + 4;
    i = *at + 1;
  }
  return std::nullopt;
}

std::optional<std::size_t> findNextFishRecord(const TankImage& image, std::size_t from) {
  auto at = findMarker(image, from, image.fileLength(), kFishMarker);
  if (!at) return std::nullopt;
  return *at + 4;
}

std::optional<std::size_t> findNextEggRecord(const TankImage& image, std::size_t from) {
  auto at = findMarker(image, from, image.fileLength(), kEggMarker);
  if (!at) return std::nullopt;
  return *at + 4;
}

std::string kindName(const TankImage& image, std::size_t start) {
  const auto at = static_cast<Offset>(start);
  const std::size_t length = image.byteAt(at);
  std::string name(length, '\0');
  for (std::size_t k = 0; k < length; ++k) name[k] = static_cast<char>(image.byteAt(at + 1 + static_cast<Offset>(k)));
  return name;
}

std::vector<std::string> nicknameCharacters(const TankImage& image, std::size_t n) {
  const auto base = static_cast<Offset>(n);
  const Offset last = base + fish::kNicknameLength + image.byteAt(base + fish::kNicknameLength);
  std::vector<std::string> characters;
  for (Offset i = base + fish::kNickname; i <= last; ++i) {
    const std::uint8_t lead = image.byteAt(i);
    std::string character(1, static_cast<char>(lead));
    if ((lead >= 0x80 && lead <= 0x9F) || lead >= 0xE0) character += static_cast<char>(image.byteAt(++i));
    characters.push_back(std::move(character));
  }
  return characters;
}

Offset genePlace(const TankImage& image, std::size_t n) {
  const auto base = static_cast<Offset>(n);
  const bool after = image.byteAt(base + fish::kGeneTest) == 0xFF && image.byteAt(base + fish::kGeneTest + 1) == 0xFF;
  return base + (after ? fish::kGenesAfter : fish::kGenesBefore);
}

Genes genesAt(const TankImage& image, Offset g) {
  Genes genes{};
  for (std::size_t k = 0; k < kGeneCount; ++k) genes[k] = image.byteAt(g + 2 * static_cast<Offset>(k));
  return genes;
}

std::optional<std::size_t> findWaterBlock(const TankImage& image) {
  auto at = findMarker(image, 1, kWaterScanEnd, kWaterMarker);
  if (!at) return std::nullopt;
  return *at + 4;
}

WaterValues waterValues(const TankImage& image, std::size_t w) {
  WaterValues values{};
  for (std::size_t k = 0; k < kWaterValueCount; ++k) values[k] = image.u32At(static_cast<Offset>(w + 4 * k));
  return values;
}

bool acceptsWaterEditing(const WaterValues& values) { return values[1] >= 15000 && values[1] <= 40000; }

std::uint64_t concentrationThousandths(std::uint32_t amount, std::uint32_t volume) {
  if (volume == 0) return std::uint64_t{amount} * 1000;
  return std::uint64_t{amount} * 1000 / volume;
}

bool carriesGenes(std::string_view kindName) {
  constexpr std::array<std::string_view, 5> kGeneKinds = {"Discus", "Guppy", "KilliFish", "MarbleAngel", "Kingyo"};
  return std::find(kGeneKinds.begin(), kGeneKinds.end(), kindName) != kGeneKinds.end();
}

}  // namespace tankfile
