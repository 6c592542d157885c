#include "scalepaint/preview.hpp"

#include <algorithm>
#include <utility>

#include "base/files.hpp"
#include "base/strcat.hpp"
#include "base/zero_extended.hpp"
#include "scalepaint/recolour.hpp"

namespace scalepaint {

namespace {

bool isRecord(const ResourceSpot& resource) {
  return resource.byteCount == kFishRecordSize || resource.byteCount == kEggRecordSize;
}

// The length-prefixed string at `at`, as far as the data holds it.
std::string lengthPrefixed(base::ByteSpan data, std::size_t at) {
  if (at >= data.size()) return {};
  const std::size_t length = std::min<std::size_t>(data[at], data.size() - at - 1);
  return std::string(reinterpret_cast<const char*>(data.data() + at + 1), length);
}

struct KindOffset {
  std::string_view name;
  int offset;
};
constexpr KindOffset kKindOffsets[] = {
    {"Discus", 65},    {"Guppy", 100},       {"Arowana", 30},     {"KilliFish", 30},   {"ElephantNose", 60},
    {"Glowlight", 30}, {"Hatchet", 30},      {"kame", 85},        {"BlackNeon", 30},   {"Blue Neon", 50},
    {"P.similis", 50}, {"Pexifish", 30},     {"LoveLove-Pexi", 30}, {"Pexifish-NG", 30}, {"LampEye", 50},
    {"Nobbin", 110},   {"SailfinMolly", 80}, {"Boraras", 30},     {"Rolyroly", 90},    {"P.annulatus", 80},
    {"A.gardneri", 85}, {"Kingyo", 90},
};

constexpr int kLeftColumn = 120;
constexpr int kTopRow = 100;
constexpr int kMargin = 2;  // pixel (x, y) fills the surface's box at (x + 2, y + 2)

}  // namespace

PreviewSource locatePreview(base::Bytes data) {
  PreviewSource source;
  source.data = std::move(data);
  const base::ByteSpan bytes = source.data;
  ResourceWalk walk(bytes);
  while (auto resource = walk.next()) {
    if (isRecord(*resource)) source.kindName = lengthPrefixed(bytes, resource->dataStart);
    if (isAnimationSet(bytes, *resource)) {
      source.setStart = resource->dataStart;
      source.setByteCount = resource->byteCount;
      break;
    }
  }
  if (!source.setStart) return source;
  source.fishSets.push_back({*source.setStart, source.setByteCount});
  bool sets = true;  // still among the sets that follow the first
  while (auto resource = walk.next()) {
    if (sets && source.fishSets.size() < kFishSetsMax && isAnimationSet(bytes, *resource)) {
      source.fishSets.push_back(*resource);
      continue;
    }
    sets = false;
    if (!source.kindName.empty()) break;
    if (!isRecord(*resource)) continue;
    source.kindName = lengthPrefixed(bytes, resource->dataStart);
    break;
  }
  return source;
}

base::Result<PreviewSource> loadPreviewSource(const std::filesystem::path& path) {
  auto file = base::ReadOnlyFile::open(path);
  if (!file) return std::unexpected(file.error());
  base::Bytes data(static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), kPreviewLoadLimit)));
  std::size_t filled = 0;
  while (filled < data.size()) {
    auto got = file->readAt(filled, std::span<std::uint8_t>(data).subspan(filled));
    if (!got) return std::unexpected(got.error());
    if (*got == 0) break;  // the file shrank meanwhile
    filled += *got;
  }
  data.resize(filled);
  return locatePreview(std::move(data));
}

int kindOffset(std::string_view kindName) {
  for (const auto& [name, offset] : kKindOffsets)
    if (name == kindName) return offset;
  return 0;
}

std::array<Rgb, 256> displayPalette() {
  std::array<Rgb, 256> palette{};
  auto level = [](int steps) { return static_cast<std::uint8_t>(255 - 51 * steps); };
  for (int n = 0; n <= 214; ++n) palette[n] = {level(n / 36), level(n / 6 % 6), level(n % 6)};
  for (int i = 0; i < 10; ++i) {
    const auto v = static_cast<std::uint8_t>(240 - 25 * i);
    palette[215 + i] = {v, 0, 0};
    palette[225 + i] = {0, v, 0};
    palette[235 + i] = {0, 0, v};
    palette[245 + i] = {v, v, v};
  }
  palette[255] = {0, 0, 0};
  return palette;
}

std::optional<FrameInfo> firstFrameInfo(const PreviewSource& source) {
  if (!source.setStart) return std::nullopt;
  std::optional<FrameInfo> info;
  const base::ByteSpan data = source.data;
  walkFrames(data, {*source.setStart, source.setByteCount}, [&](const FrameSpot& frame) {
    info = FrameInfo{base::ZeroExtended(data).u16(frame.header + 6), base::ZeroExtended(data).u16(frame.header + 4)};
    return false;  // only the first frame
  });
  return info;
}

PreviewImage drawPreview(const PreviewSource& source, const Table& table) {
  PreviewImage image;
  if (!source.setStart) return image;
  const base::ByteSpan data = source.data;
  std::optional<FrameSpot> first;
  walkFrames(data, {*source.setStart, source.setByteCount}, [&](const FrameSpot& frame) {
    first = frame;
    return false;
  });
  if (!first) return image;

  const auto palette = displayPalette();
  const int width = base::ZeroExtended(data).u16(first->header + 6);
  const int wrapAt = kLeftColumn + width;
  int x = kLeftColumn + kindOffset(source.kindName), y = kTopRow;
  auto put = [&](std::uint8_t value) {
    const std::uint8_t colour = value == 0 ? 0 : table[value];
    if (colour != 0) {
      ++image.drawn;
      if (x + kMargin < PreviewImage::kSize && y + kMargin < PreviewImage::kSize) {
        const Rgb& rgb = palette[colour];
        image.pixels[static_cast<std::size_t>(y + kMargin) * PreviewImage::kSize + static_cast<std::size_t>(x + kMargin)] =
            0xFF000000u | (std::uint32_t{rgb.r} << 16) | (std::uint32_t{rgb.g} << 8) | rgb.b;
      }
    }
    if (++x >= wrapAt) x = kLeftColumn, ++y;
  };
  const base::ByteSpan stream = data.subspan(first->stream(), first->streamLength);
  walkRuns(
      stream, [&](std::size_t at, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) put(stream[at + i]);
      },
      [&](std::size_t at, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) put(stream[at]);
      });
  return image;
}

}  // namespace scalepaint
