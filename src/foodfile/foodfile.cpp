#include "foodfile/foodfile.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/strcat.hpp"
#include "resfile/resfile.hpp"

namespace foodfile {

namespace {

using base::Bytes;

constexpr std::size_t kBitmapSizeFieldEnd = 6;  // bytes 2-5 hold a bitmap's own byte count
constexpr std::uint16_t kFd2Value = 10;
constexpr std::uint16_t kFdVeSingle = 160, kFdVeMulti = 150;
constexpr std::uint16_t kFoFVValue = 1;

// Header bytes 16-31: "XXXX", 1500, then 1, 2, 1 in the single-frame layout; only 1500 in
// the multi-frame layout.
constexpr std::array<std::uint8_t, 16> kSingleFrameHeader = {0x58, 0x58, 0x58, 0x58, 0xDC, 0x05, 0, 0,
                                                             1,    0,    2,    0,    1,    0,    0, 0};
constexpr std::array<std::uint8_t, 16> kMultiFrameHeader = {0, 0, 0, 0, 0xDC, 0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Per kind: byte 0, the u16 at 2, bytes 6, 8, 10, 12, 14, 16, 18 and 22.
struct Preset {
  std::uint8_t byte0;
  std::uint16_t at2;
  std::uint8_t at6, at8, at10, at12, at14, at16, at18, at22;
};
constexpr Preset kPresets[kKindCount] = {
    {1, 20000, 1, 1, 1, 1, 1, 1, 2, 10},      {2, 30000, 10, 2, 1, 15, 13, 7, 2, 4},
    {3, 20000, 20, 3, 2, 12, 8, 10, 5, 4},    {4, 20000, 20, 5, 1, 11, 16, 9, 2, 6},
    {5, 25000, 20, 5, 1, 11, 15, 8, 2, 6},    {6, 20000, 20, 3, 2, 12, 8, 10, 5, 4},
    {7, 20000, 18, 4, 1, 10, 13, 10, 5, 5},   {8, 20000, 18, 4, 1, 10, 13, 10, 5, 5},
    {9, 20000, 18, 4, 1, 10, 13, 10, 5, 5},   {10, 30000, 1, 11, 70, 3, 0, 0, 5, 5},
    {11, 30000, 1, 11, 70, 3, 0, 0, 5, 5},    {12, 20000, 0, 10, 10, 10, 0, 0, 2, 8},
    {13, 20000, 0, 10, 10, 10, 0, 0, 2, 8},
};

Bytes u16Resource(std::uint16_t value) {
  Bytes data(2);
  base::putU16(data.data(), value);
  return data;
}

}  // namespace

std::uint16_t resourceNumber(double foodId) {
  return static_cast<std::uint16_t>(std::nearbyint(std::clamp(foodId, 0.0, 127.0) * 100 + 10000));
}

std::array<std::uint8_t, kParameterSize> kindPreset(int kind) {
  std::array<std::uint8_t, kParameterSize> block{};
  const Preset& p = kPresets[static_cast<std::size_t>(std::clamp(kind, 0, kMaxKind))];
  block[0] = p.byte0;
  base::putU16(&block[2], p.at2);
  block[6] = p.at6;
  block[8] = p.at8;
  block[10] = p.at10;
  block[12] = p.at12;
  block[14] = p.at14;
  block[16] = p.at16;
  block[18] = p.at18;
  block[22] = p.at22;
  return block;
}

base::Result<std::string> encodeAnsiText(std::string_view utf8, base::CodePage page) {
  return base::toCodePage(utf8, page);
}

base::Result<void> checkBitmap(base::ByteSpan file) {
  if (file.size() < kBitmapSizeFieldEnd)
    return base::fail(base::strcat("is ", file.size(), " bytes long, too short for a bitmap (its size field is bytes 2-5)."));
  if (file[0] != 'B' || file[1] != 'M') return base::fail("is not a bitmap: it does not start with \"BM\".");
  return {};
}

base::Result<Bytes> buildFoodFile(const FoodInputs& in) {
  const std::size_t n = in.frames.size();
  if (in.name.size() > kNameBytes)
    return base::fail(base::strcat("The food name takes ", in.name.size(), " bytes; its field holds ", kNameBytes, "."));
  if (in.memo.size() > kMemoBytes)
    return base::fail(base::strcat("The memo takes ", in.memo.size(), " bytes; its field holds ", kMemoBytes, "."));
  if (in.kind < 0 || in.kind > kMaxKind) return base::fail(base::strcat("Food kind ", in.kind, " is not one of 0-12."));
  if (n == 0 || n > kMaxFrames) return base::fail(base::strcat("A food file holds 1-25 frames, not ", n, "."));
  if (std::size_t{in.resourceNumber} + n - 1 > 0xFFFF)
    return base::fail(base::strcat("Frame numbers from ", in.resourceNumber, " on run past 65535."));
  // Each bitmap's count is copied from bytes 2-5, which must lie inside it. Refuse before
  // copying anything large when the 24-bit offsets could not express the file.
  std::size_t total = 1018 + 16 * n + in.picture.size();  // both layouts: 1034 + P + F for one frame
  if (in.picture.size() < kBitmapSizeFieldEnd)
    return base::fail(base::strcat("The picture is ", in.picture.size(), " bytes long, too short to hold its size field (bytes 2-5)."));
  for (std::size_t k = 0; k < n; ++k) {
    if (in.frames[k].size() < kBitmapSizeFieldEnd)
      return base::fail(base::strcat("Frame ", k + 1, " is ", in.frames[k].size(),
                                     " bytes long, too short to hold its size field (bytes 2-5)."));
    total += in.frames[k].size();
  }
  if (total > resfile::kMaxFileSize)
    return base::fail(base::strcat("The food file would be ", total, " bytes long; food files end below 16,777,216 bytes."));

  const std::uint16_t R = in.resourceNumber;
  Bytes header(kHeaderDataSize, 0);
  header[0] = static_cast<std::uint8_t>(in.name.size());
  std::copy(in.name.begin(), in.name.end(), header.begin() + 1);
  std::copy(in.memo.begin(), in.memo.end(), header.begin() + 34);
  base::putU16(&header[546], R);
  auto preset = kindPreset(in.kind);
  Bytes parameters(preset.begin(), preset.end());
  base::putU16(&parameters[20], R);

  const bool single = n == 1;
  resfile::Writer writer(single ? kSingleFrameHeader : kMultiFrameHeader);
  std::uint32_t headerAt = 0, parametersAt = 0, fd2At = 0, fdVeAt = 0;
  if (single) {
    headerAt = writer.append(header);
    parametersAt = writer.append(parameters);
    fd2At = writer.append(u16Resource(kFd2Value));
    fdVeAt = writer.append(u16Resource(kFdVeSingle));
  } else {
    parametersAt = writer.append(parameters);
    fdVeAt = writer.append(u16Resource(kFdVeMulti));
    fd2At = writer.append(u16Resource(kFd2Value));
    headerAt = writer.append(header);
  }
  const std::uint32_t fofvAt = writer.append(u16Resource(kFoFVValue));
  const std::uint32_t pictureAt = writer.appendBitmap(in.picture);
  std::vector<resfile::ReferenceSpec> frames;
  for (std::size_t k = 0; k < n; ++k)
    frames.push_back({static_cast<std::uint16_t>(R + k), std::nullopt, writer.appendBitmap(in.frames[k])});

  auto one = [R](std::string_view code, std::uint32_t at) {
    return resfile::TypeSpec{resfile::ResourceType::fromCode(code), {{R, std::nullopt, at}}};
  };
  resfile::MapSpec map;
  if (single)
    map.types = {one("Fd_H", headerAt), one("Fd_I", parametersAt), one("Fd_2", fd2At), one("FdVe", fdVeAt)};
  else
    map.types = {one("Fd_I", parametersAt), one("FdVe", fdVeAt), one("Fd_2", fd2At), one("Fd_H", headerAt)};
  map.types.push_back(one("FoFV", fofvAt));
  map.types.push_back(one("FDDP", pictureAt));
  map.types.push_back({resfile::ResourceType::fromCode("FDPC"), std::move(frames)});
  return std::move(writer).finish(map);
}

}  // namespace foodfile
