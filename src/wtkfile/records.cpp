#include "wtkfile/records.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "base/zero_extended.hpp"

namespace wtkfile {

const std::array<std::string_view, 36> kKindNames = {
    "NEON",       "JULII",      "TOGECHOU",         "POWDERBLUE",  "YOSUJI",         "RURI",
    "ROLY",       "mitsuboshi", "glowlight",        "angelfish",   "black_neon",     "cardinal",
    "blueemperor", "glass",     "green",            "penguin",     "RedPhantom",     "rummynose",
    "MIDORIFUGU", "KONGOF",     "Goldrim",          "golden_butterfly", "KAKUREKUMANOMI", "ANGELFISH",
    "SHIRIKI",    "KURENAI",    "GREENNEON",        "BICOLOR",     "BLUEEMPEROR",    "GLASSCAT",
    "BLACKNEON",  "CARDINAL",   "PANDA",            "KUMANOMI",    "HATATATE",       "REDPHANTOM"};

namespace {

bool bytesAre(base::ZeroExtended image, std::size_t at, std::initializer_list<int> pattern) {
  for (int expected : pattern) {
    if (expected >= 0 && image.u8(at) != expected) return false;
    ++at;
  }
  return true;
}

constexpr int kAny = -1;

// The last offset a record scan looks at: file length - 30.
std::optional<std::size_t> lastScanOffset(base::ByteSpan image) {
  if (image.size() < 30) return std::nullopt;
  return image.size() - 30;
}

}  // namespace

std::optional<std::string_view> kindAt(base::ByteSpan bytes, std::size_t k) {
  const base::ZeroExtended image(bytes);
  for (auto name : kKindNames) {
    bool same = true;
    for (std::size_t j = 0; j < name.size() && same; ++j)
      same = image.u8(k + j) == static_cast<std::uint8_t>(name[j]);
    if (same) return name;
  }
  return std::nullopt;
}

std::optional<Record> findFirstRecord(base::ByteSpan bytes) {
  const base::ZeroExtended image(bytes);
  auto last = lastScanOffset(bytes);
  if (!last) return std::nullopt;
  for (std::size_t i = kFirstRecordScanStart; i <= *last; ++i) {
    if (image.u8(i) != 0x80 || !bytesAre(image, i, {0x80, 0x3F, kAny, 0, 0, 0, 1})) continue;
    if (auto kind = kindAt(bytes, i + 10)) return Record{i + 10, *kind};
  }
  return std::nullopt;
}

std::optional<Record> findNextRecord(base::ByteSpan bytes, std::size_t k) {
  const base::ZeroExtended image(bytes);
  auto last = lastScanOffset(bytes);
  if (!last) return std::nullopt;
  for (std::size_t i = k; i <= *last; ++i) {
    if (image.u8(i) != 0x80 || image.u8(i + 1) != 0x3F) continue;
    if (bytesAre(image, i, {0x80, 0x3F, kAny, 0, 0, 0, 0}))
      if (auto kind = kindAt(bytes, i + 11)) return Record{i + 11, *kind};
    if (bytesAre(image, i, {0x80, 0x3F, 0, 0, 0, 0, 1}))
      if (auto kind = kindAt(bytes, i + 10)) return Record{i + 10, *kind};
  }
  return std::nullopt;
}

NameBlock readNameBlock(base::ByteSpan bytes, std::size_t k) {
  const base::ZeroExtended image(bytes);
  auto firstZero = [&](std::size_t from, std::size_t end) {
    for (std::size_t at = from; at < end; ++at)
      if (image.u8(k + at) == 0) return at;
    return end;
  };
  auto text = [&](std::size_t from, std::size_t end) {
    std::string out;
    for (std::size_t at = from; at < end; ++at) out.push_back(static_cast<char>(image.u8(k + at)));
    return out;
  };
  const std::size_t kindEnd = firstZero(0, 32);
  const std::size_t secondEnd = firstZero(kindEnd + 1, 64);
  const std::size_t nickStart = secondEnd + 5;
  const std::size_t nickEnd = nickStart < 100 ? firstZero(nickStart, 100) : nickStart;
  return {text(0, kindEnd), text(nickStart, nickEnd), nickStart};
}

std::optional<Base> findBase(base::ByteSpan bytes, std::size_t k) {
  const base::ZeroExtended image(bytes);
  for (std::size_t d = 96; d <= 224; ++d) {
    const std::size_t at = k + d;
    if (bytesAre(image, at, {0x64, 0, 0, 0})) return Base{at, BaseKind::Male};
    if (bytesAre(image, at, {0x9C, 0xFF, 0xFF, 0xFF})) return Base{at, BaseKind::Female};
    if (image.u8(at) == 0 && image.u8(at + 1) != 0 && image.u8(at + 2) != 0 && bytesAre(image, at + 3, {0xFF, 0xFF}))
      return Base{at + 1, BaseKind::Egg};
  }
  return std::nullopt;
}

std::uint32_t readU32(base::ByteSpan image, std::size_t at) { return base::ZeroExtended(image).u32(at); }

std::int32_t readI32(base::ByteSpan image, std::size_t at) { return std::bit_cast<std::int32_t>(readU32(image, at)); }

float readSingle(base::ByteSpan image, std::size_t at) { return std::bit_cast<float>(readU32(image, at)); }

void writeI32(base::Bytes& image, std::size_t at, std::int32_t value) {
  base::putU32(image.data() + at, std::bit_cast<std::uint32_t>(value));
}

void writeSingle(base::Bytes& image, std::size_t at, float value) {
  base::putU32(image.data() + at, std::bit_cast<std::uint32_t>(value));
}

void writeResets(base::Bytes& image, std::size_t b) {
  image[b + field::kCleared1] = 0;
  image[b + field::kCleared2] = 0;
  image[b + field::kCleared3] = 0;
  std::memset(image.data() + b + field::kResetZero4, 0, 4);
  writeSingle(image, b + field::kReset0, 0.0f);
  writeSingle(image, b + field::kReset100a, 100.0f);
  writeSingle(image, b + field::kReset100b, 100.0f);
}

double wholeNumber(double value) { return std::nearbyint(value); }

std::uint32_t ageMinutes(double days) {
  const double whole = wholeNumber(days);
  if (!(whole > 0)) return 0;
  return static_cast<std::uint32_t>(std::min(whole, static_cast<double>(kMaxAgeDays))) * 1440u;
}

}  // namespace wtkfile
